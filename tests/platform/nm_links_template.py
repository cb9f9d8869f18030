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
