# SPDX-License-Identifier: GPL-3.0-or-later
# NetworkManager as python-dbusmock's template has it, plus the devices and connections the
# tests need (mobile broadband, PPPoE, Bluetooth) and their state changes, each one call.
# pylint: disable=invalid-name,wildcard-import,unused-wildcard-import
import dbus

import dbusmock
from dbusmock import MOCK_IFACE
from dbusmock.templates.networkmanager import *  # noqa: F401,F403

DEVICE_IFACE = 'org.freedesktop.NetworkManager.Device'
BLUETOOTH_IFACE = 'org.freedesktop.NetworkManager.Device.Bluetooth'
ACTIVE_IFACE = 'org.freedesktop.NetworkManager.Connection.Active'
MANAGER_PATH = '/org/freedesktop/NetworkManager'


def update(obj, interface, changed):
    '''Sets properties and signals them as NetworkManager does (UpdateProperties of this
    python-dbusmock cannot wrap object paths and structures).'''
    obj.props.setdefault(interface, {}).update(changed)
    obj.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                   [interface, dbus.Dictionary(changed, signature='sv'), dbus.Array([], signature='s')])


def device_path(name):
    return MANAGER_PATH + '/Devices/' + name


def active_path(name):
    return MANAGER_PATH + '/ActiveConnection/' + name


@dbus.service.method(MOCK_IFACE, in_signature='sssus', out_signature='')
def AddLinkDevice(self, name, interface, driver, device_type, bluetooth_name):
    '''A disconnected device; a Bluetooth one also has its remote device's name.'''
    path = device_path(name)
    self.AddObject(path, DEVICE_IFACE, {
        'Interface': interface,
        'IpInterface': '',
        'Driver': driver,
        'DeviceType': dbus.UInt32(device_type),
        'State': dbus.UInt32(30),
        'StateReason': dbus.Struct((dbus.UInt32(30), dbus.UInt32(0)), signature='(uu)'),
        'ActiveConnection': dbus.ObjectPath('/'),
        'Managed': True,
    }, [])
    if bluetooth_name:
        dbusmock.get_object(path).AddProperties(BLUETOOTH_IFACE, {'Name': bluetooth_name})
    manager = dbusmock.get_object(MANAGER_PATH)
    devices = manager.Get('org.freedesktop.NetworkManager', 'Devices')
    devices.append(dbus.ObjectPath(path))
    update(manager, 'org.freedesktop.NetworkManager', {'Devices': devices})
    manager.EmitSignal('org.freedesktop.NetworkManager', 'DeviceAdded', 'o', [path])


@dbus.service.method(MOCK_IFACE, in_signature='sss', out_signature='')
def StartConnection(self, name, connection_id, connection_type):
    '''Puts an active connection on the device, as an activation begins.'''
    path = active_path(name)
    self.AddObject(path, ACTIVE_IFACE, {
        'Id': connection_id,
        'Type': connection_type,
        'State': dbus.UInt32(1),
        'Vpn': connection_type == 'vpn',
        'Devices': dbus.Array([dbus.ObjectPath(device_path(name))], signature='o'),
    }, [])
    update(dbusmock.get_object(device_path(name)), DEVICE_IFACE,
           {'ActiveConnection': dbus.ObjectPath(path)})


@dbus.service.method(MOCK_IFACE, in_signature='suus', out_signature='')
def SetLinkState(self, name, state, reason, ip_interface):
    '''A device state change as NetworkManager signals it: the properties, then StateChanged.'''
    device = dbusmock.get_object(device_path(name))
    old = device.Get(DEVICE_IFACE, 'State')
    changed = {
        'State': dbus.UInt32(state),
        'StateReason': dbus.Struct((dbus.UInt32(state), dbus.UInt32(reason)), signature='uu'),
    }
    if ip_interface:
        changed['IpInterface'] = ip_interface
    if state in (30, 120):
        changed['ActiveConnection'] = dbus.ObjectPath('/')
    update(device, DEVICE_IFACE, changed)
    device.EmitSignal(DEVICE_IFACE, 'StateChanged', 'uuu',
                      [dbus.UInt32(state), old, dbus.UInt32(reason)])
    if state in (30, 120) and active_path(name) in dbusmock.mockobject.objects:
        self.RemoveObject(active_path(name))


@dbus.service.method(MOCK_IFACE, in_signature='ss', out_signature='')
def AddOddDevice(self, name, reason_type):
    '''A device whose StateReason is not the (uu) NetworkManager documents: an empty or a one
    element array of u ('au0', 'au1'), or a dictionary ('a{sv}').'''
    odd = {
        'au0': dbus.Array([], signature='u'),
        'au1': dbus.Array([dbus.UInt32(120)], signature='u'),
        'a{sv}': dbus.Dictionary({'state': dbus.UInt32(120)}, signature='sv'),
    }[reason_type]
    path = device_path(name)
    self.AddObject(path, DEVICE_IFACE, {
        'Interface': name,
        'IpInterface': '',
        'Driver': 'odd',
        'DeviceType': dbus.UInt32(8),
        'State': dbus.UInt32(100),
        'StateReason': odd,
        'ActiveConnection': dbus.ObjectPath('/'),
    }, [])
    manager = dbusmock.get_object(MANAGER_PATH)
    devices = manager.Get('org.freedesktop.NetworkManager', 'Devices')
    devices.append(dbus.ObjectPath(path))
    update(manager, 'org.freedesktop.NetworkManager', {'Devices': devices})


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def SendOddSignals(self, name):
    '''Signals of the device whose values are of types NetworkManager never sends.'''
    device = dbusmock.get_object(device_path(name))
    wrong = dbus.Array([dbus.Int32(1), dbus.Int32(2)], signature='i')
    device.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as', [
        DEVICE_IFACE, dbus.Dictionary({
            'State': wrong, 'StateReason': wrong, 'ActiveConnection': wrong,
            'Interface': wrong, 'DeviceType': 'modem'}, signature='sv'),
        dbus.Array([], signature='s')])
    device.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'ai', [wrong])
    device.EmitSignal(DEVICE_IFACE, 'PropertiesChanged', 'ai', [wrong])
    device.EmitSignal(DEVICE_IFACE, 'StateChanged', 'ai', [wrong])
    manager = dbusmock.get_object(MANAGER_PATH)
    manager.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as', [
        'org.freedesktop.NetworkManager', dbus.Dictionary({'Devices': wrong}, signature='sv'),
        dbus.Array([], signature='s')])
    manager.EmitSignal('org.freedesktop.NetworkManager', 'DeviceAdded', 'i', [dbus.Int32(3)])
    manager.EmitSignal('org.freedesktop.NetworkManager', 'DeviceRemoved', 'as', [['x']])


class SilentDevice(dbus.service.Object):
    '''A device that takes every call and never answers one.'''

    # Empty tables for python-dbusmock's method lookup, which falls back to dbus-python's.
    methods = {}
    interface = ''

    def __init__(self, connection, path):
        super().__init__(connection, path)
        self.waiting = []

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='s', out_signature='a{sv}',
                         async_callbacks=('reply', 'error'))
    def GetAll(self, interface, reply, error):  # pylint: disable=unused-argument
        self.waiting.append((reply, error))


SILENT = []


@dbus.service.method(MOCK_IFACE, in_signature='u', out_signature='')
def AddSilentDevices(self, count):
    '''Lists `count` devices whose objects never answer a call.'''
    manager = dbusmock.get_object(MANAGER_PATH)
    devices = manager.Get('org.freedesktop.NetworkManager', 'Devices')
    for _ in range(count):
        path = device_path('silent%d' % len(SILENT))
        SILENT.append(SilentDevice(self.connection, path))
        devices.append(dbus.ObjectPath(path))
    update(manager, 'org.freedesktop.NetworkManager', {'Devices': devices})
