<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AntiIdle</name>
    <message>
        <source>%1 - Anti Idle %2 bytes</source>
        <translation>%1 - Antiinactividad %2 bytes</translation>
    </message>
</context>
<context>
    <name>ConnectionChooser</name>
    <message>
        <source>Point-to-point links, mobile broadband, VPN and PPPoE connections are always watched.
Check any other interface to watch it as a connection.</source>
        <translation>Los enlaces punto a punto, la banda ancha móvil y las conexiones VPN y PPPoE siempre se vigilan.
Marque cualquier otra interfaz para vigilarla como una conexión.</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <source>Other names or patterns (comma-separated):</source>
        <translation>Otros nombres o patrones (separados por comas):</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Watched always</source>
        <translation>Siempre vigilada</translation>
    </message>
    <message>
        <source>point-to-point</source>
        <translation>punto a punto</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>modem</source>
        <translation>módem</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>túnel</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>inalámbrica</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otra</translation>
    </message>
    <message>
        <source>vpn</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>pppoe</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectando</translation>
    </message>
    <message>
        <source>down</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>up</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>no carrier</source>
        <translation>cable desconectado</translation>
    </message>
    <message>
        <source>Vantrel - Connections</source>
        <translation>Vantrel - Conexiones</translation>
    </message>
    <message>
        <source>Vantrel is watching a simulated machine, not this one:
VANTREL_SOURCE=%1
Its connections come from the simulation: there are no interfaces to choose here.
Start Vantrel without VANTREL_SOURCE to choose among this machine&apos;s interfaces.</source>
        <translation>Vantrel observa una máquina simulada, no esta:
VANTREL_SOURCE=%1
Sus conexiones vienen de la simulación: aquí no hay interfaces que elegir.
Inicie Vantrel sin VANTREL_SOURCE para elegir entre las interfaces de esta máquina.</translation>
    </message>
</context>
<context>
    <name>ConnectionLogFile</name>
    <message>
        <source>is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>Log file: %1 %2; using %3</source>
        <translation>Archivo de registro: %1 %2; se usa %3</translation>
    </message>
    <message>
        <source>Log file: %1 cannot be written; using %2</source>
        <translation>Archivo de registro: no se puede escribir en %1; se usa %2</translation>
    </message>
    <message>
        <source>Log file %1 not written: %2</source>
        <translation>Archivo de registro %1 no escrito: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>tiene otros nombres (enlaces duros)</translation>
    </message>
</context>
<context>
    <name>ConnectionMonitor</name>
    <message>
        <source>RAS is not installed.</source>
        <translation>RAS no está instalado.</translation>
    </message>
    <message>
        <source>No Performance Statistics Available.</source>
        <translation>No hay estadísticas de rendimiento disponibles.</translation>
    </message>
    <message>
        <source>Stored %1 &quot;%2&quot; is not a number; using 0.</source>
        <translation>El valor guardado %1 «%2» no es un número; se usa 0.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 conectado.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 desconectado.</translation>
    </message>
    <message>
        <source>Reset total connection statistic.</source>
        <translation>Estadísticas totales de conexión restablecidas.</translation>
    </message>
    <message>
        <source>No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another interface, choose it with &quot;%1&quot; in the popup menu.</source>
        <translation>No hay ningún enlace de tipo acceso telefónico (PPP, banda ancha móvil, VPN) activo. Para observar otra interfaz, elíjala con «%1» en el menú contextual.</translation>
    </message>
</context>
<context>
    <name>DataPlan</name>
    <message>
        <source>all connections</source>
        <translation>todas las conexiones</translation>
    </message>
    <message>
        <source>Data plan of %1: %2% reached (%3).</source>
        <translation>Plan de datos de %1: %2&#xa0;% alcanzado (%3).</translation>
    </message>
    <message>
        <source>Data plan: %1% reached</source>
        <translation>Plan de datos: %1&#xa0;% alcanzado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: write a number and a unit, such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>&quot;%1&quot; no es un límite de datos: escriba un número y una unidad, como 500 MB, 5 GB o 2.5 GiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: the unit &quot;%2&quot; is not one of %3</source>
        <translation>&quot;%1&quot; no es un límite de datos: la unidad &quot;%2&quot; no es ninguna de %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large a data limit</source>
        <translation>&quot;%1&quot; es un límite de datos demasiado grande</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: it must be at least one byte</source>
        <translation>&quot;%1&quot; no es un límite de datos: debe ser de al menos un byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: the day of the month is 1 to 31</source>
        <translation>&quot;%1&quot; no es un ciclo de facturación: el día del mes va de 1 a 31</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: a cycle is 1 to %2 days long</source>
        <translation>&quot;%1&quot; no es un ciclo de facturación: un ciclo dura de 1 a %2 días</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: %2 is not a date</source>
        <translation>&quot;%1&quot; no es un ciclo de facturación: %2 no es una fecha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: write &quot;monthly 15&quot; or &quot;every 30 days from 2026-01-15&quot;</source>
        <translation>&quot;%1&quot; no es un ciclo de facturación: escriba &quot;monthly 15&quot; o &quot;every 30 days from 2026-01-15&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of warning thresholds: &quot;%2&quot; is not a percentage from 1 to %3</source>
        <translation>&quot;%1&quot; no es una lista de umbrales de aviso: &quot;%2&quot; no es un porcentaje de 1 a %3</translation>
    </message>
    <message>
        <source>1 day left</source>
        <translation>queda 1 día</translation>
    </message>
    <message>
        <source>%1 days left</source>
        <translation>quedan %1 días</translation>
    </message>
    <message>
        <source>%1 of %2 %3, %4%, %5</source>
        <translation>%1 de %2 %3, %4&#xa0;%, %5</translation>
    </message>
    <message>
        <source>Data plan %1\%2 not used: %3</source>
        <translation>Plan de datos %1\%2 no usado: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;both&quot; nor &quot;download&quot;</source>
        <translation>&quot;%1&quot; no es ni &quot;both&quot; ni &quot;download&quot;</translation>
    </message>
    <message>
        <source>A data plan needs a limit and at least one warning threshold</source>
        <translation>Un plan de datos necesita un límite y al menos un umbral de aviso</translation>
    </message>
    <message>
        <source>The entry name &quot;%1&quot; is too long for a data plan of its own</source>
        <translation>El nombre de conexión &quot;%1&quot; es demasiado largo para un plan de datos propio</translation>
    </message>
    <message>
        <source>Data plans count from now on: %1</source>
        <translation>Los planes de datos cuentan a partir de ahora: %1</translation>
    </message>
</context>
<context>
    <name>DataPlanForm</name>
    <message>
        <source>Plan for:</source>
        <translation>Plan para:</translation>
    </message>
    <message>
        <source>such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>como 500 MB, 5 GB o 2.5 GiB</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Límite:</translation>
    </message>
    <message>
        <source>Sent and received</source>
        <translation>Enviados y recibidos</translation>
    </message>
    <message>
        <source>Received only</source>
        <translation>Solo recibidos</translation>
    </message>
    <message>
        <source>Counts:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Every number of days</source>
        <translation>Cada n días</translation>
    </message>
    <message>
        <source>Billing cycle:</source>
        <translation>Ciclo de facturación:</translation>
    </message>
    <message>
        <source>starts on day</source>
        <translation>empieza el día</translation>
    </message>
    <message>
        <source>every</source>
        <translation>cada</translation>
    </message>
    <message>
        <source>days from</source>
        <translation>días desde el</translation>
    </message>
    <message>
        <source>Warn at (%):</source>
        <translation>Avisar al (%):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Clear Plan</source>
        <translation>Borrar plan</translation>
    </message>
    <message>
        <source>This connection: %1</source>
        <translation>Esta conexión: %1</translation>
    </message>
    <message>
        <source>All connections</source>
        <translation>Todas las conexiones</translation>
    </message>
    <message>
        <source>No data plan is set here.</source>
        <translation>No hay ningún plan de datos definido aquí.</translation>
    </message>
    <message>
        <source>Enter a limit, such as 5 GB.</source>
        <translation>Introduzca un límite, como 5 GB.</translation>
    </message>
    <message>
        <source>Saved: %1 a cycle.</source>
        <translation>Guardado: %1 por ciclo.</translation>
    </message>
    <message>
        <source>The data plan is cleared.</source>
        <translation>El plan de datos se ha borrado.</translation>
    </message>
    <message>
        <source>The data plan has changes that are not saved. Save them?</source>
        <translation>El plan de datos tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Vantrel - Data Plan</source>
        <translation>Vantrel - Plan de datos</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Show Window</source>
        <translation>Mostrar ventana</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error in %1: %2</source>
        <translation>Error en %1: %2</translation>
    </message>
</context>
<context>
    <name>NetworkManagerReason</name>
    <message>
        <source>The device could not be readied for configuration</source>
        <translation>No se pudo preparar el dispositivo para la configuración</translation>
    </message>
    <message>
        <source>The IP configuration is no longer valid</source>
        <translation>La configuración IP ya no es válida</translation>
    </message>
    <message>
        <source>The 802.1X supplicant disconnected</source>
        <translation>El suplicante 802.1X se desconectó</translation>
    </message>
    <message>
        <source>The 802.1X supplicant configuration failed</source>
        <translation>Falló la configuración del suplicante 802.1X</translation>
    </message>
    <message>
        <source>The 802.1X supplicant failed</source>
        <translation>Falló el suplicante 802.1X</translation>
    </message>
    <message>
        <source>The 802.1X supplicant took too long to authenticate</source>
        <translation>El suplicante 802.1X tardó demasiado en autenticarse</translation>
    </message>
    <message>
        <source>The PPP service failed to start</source>
        <translation>No se pudo iniciar el servicio PPP</translation>
    </message>
    <message>
        <source>The DHCP client failed to start</source>
        <translation>No se pudo iniciar el cliente DHCP</translation>
    </message>
    <message>
        <source>DHCP client error</source>
        <translation>Error del cliente DHCP</translation>
    </message>
    <message>
        <source>The shared connection service failed to start</source>
        <translation>No se pudo iniciar el servicio de conexión compartida</translation>
    </message>
    <message>
        <source>The shared connection service failed</source>
        <translation>Falló el servicio de conexión compartida</translation>
    </message>
    <message>
        <source>The AutoIP service failed to start</source>
        <translation>No se pudo iniciar el servicio AutoIP</translation>
    </message>
    <message>
        <source>AutoIP service error</source>
        <translation>Error del servicio AutoIP</translation>
    </message>
    <message>
        <source>The AutoIP service failed</source>
        <translation>Falló el servicio AutoIP</translation>
    </message>
    <message>
        <source>The dialing attempt failed</source>
        <translation>Falló el intento de marcado</translation>
    </message>
    <message>
        <source>Modem initialization failed</source>
        <translation>Falló la inicialización del módem</translation>
    </message>
    <message>
        <source>Failed to select the specified APN</source>
        <translation>No se pudo seleccionar el APN indicado</translation>
    </message>
    <message>
        <source>Not searching for mobile networks</source>
        <translation>No se están buscando redes móviles</translation>
    </message>
    <message>
        <source>Mobile network registration denied</source>
        <translation>Se denegó el registro en la red móvil</translation>
    </message>
    <message>
        <source>Mobile network registration timed out</source>
        <translation>Se agotó el tiempo de registro en la red móvil</translation>
    </message>
    <message>
        <source>Failed to register with the requested mobile network</source>
        <translation>No se pudo registrar en la red móvil solicitada</translation>
    </message>
    <message>
        <source>The PIN check failed</source>
        <translation>Falló la comprobación del PIN</translation>
    </message>
    <message>
        <source>Necessary firmware for the device may be missing</source>
        <translation>Es posible que falte el firmware necesario para el dispositivo</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep</source>
        <translation>NetworkManager pasó a suspensión</translation>
    </message>
    <message>
        <source>The device&apos;s active connection disappeared</source>
        <translation>La conexión activa del dispositivo desapareció</translation>
    </message>
    <message>
        <source>The carrier changed</source>
        <translation>Cambió el estado de la portadora</translation>
    </message>
    <message>
        <source>The modem could not be found</source>
        <translation>No se encontró el módem</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed or timed out</source>
        <translation>La conexión Bluetooth falló o se agotó el tiempo de espera</translation>
    </message>
    <message>
        <source>The SIM card is not inserted</source>
        <translation>La tarjeta SIM no está insertada</translation>
    </message>
    <message>
        <source>The SIM PIN is required</source>
        <translation>Se necesita el PIN de la SIM</translation>
    </message>
    <message>
        <source>The SIM PUK is required</source>
        <translation>Se necesita el PUK de la SIM</translation>
    </message>
    <message>
        <source>The SIM card is wrong</source>
        <translation>La tarjeta SIM no es la correcta</translation>
    </message>
    <message>
        <source>A dependency of the connection failed</source>
        <translation>Falló una dependencia de la conexión</translation>
    </message>
    <message>
        <source>ModemManager is not running</source>
        <translation>ModemManager no se está ejecutando</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found</source>
        <translation>No se encontró la red Wi-Fi</translation>
    </message>
    <message>
        <source>A secondary connection of the base connection failed</source>
        <translation>Falló una conexión secundaria de la conexión base</translation>
    </message>
    <message>
        <source>The SIM PIN is incorrect</source>
        <translation>El PIN de la SIM es incorrecto</translation>
    </message>
    <message>
        <source>A new activation was enqueued</source>
        <translation>Se puso en cola una nueva activación</translation>
    </message>
    <message>
        <source>The IP address is in use by another host</source>
        <translation>Otro equipo está usando la dirección IP</translation>
    </message>
    <message>
        <source>The IP method is not supported</source>
        <translation>El método IP no es compatible</translation>
    </message>
    <message>
        <source>The peer could not be found</source>
        <translation>No se encontró el par</translation>
    </message>
</context>
<context>
    <name>PlatformWarning</name>
    <message>
        <source>start-up command %1 cannot be written as an autostart entry</source>
        <translation>la orden de inicio %1 no se puede escribir como entrada de inicio automático</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1</source>
        <translation>no se puede escribir la entrada de inicio automático %1</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1: %2</source>
        <translation>no se puede escribir la entrada de inicio automático %1: %2</translation>
    </message>
    <message>
        <source>cannot remove the autostart entry %1: %2</source>
        <translation>no se puede eliminar la entrada de inicio automático %1: %2</translation>
    </message>
    <message>
        <source>registry database %1 cannot be opened: %2; settings are not saved</source>
        <translation>no se puede abrir la base de datos del registro %1: %2; la configuración no se guarda</translation>
    </message>
    <message>
        <source>registry database %1 was written by a newer version; opened read-only</source>
        <translation>la base de datos del registro %1 fue escrita por una versión más reciente; abierta en solo lectura</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2) and could not be moved aside: %3</source>
        <translation>la base de datos del registro %1 está dañada (%2) y no se pudo apartar: %3</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2); moved aside as %3 and replaced by an empty one</source>
        <translation>la base de datos del registro %1 está dañada (%2); apartada como %3 y sustituida por una vacía</translation>
    </message>
    <message>
        <source>registry database %1 could not be written: %2; settings changed meanwhile are not saved</source>
        <translation>no se pudo escribir la base de datos del registro %1: %2; la configuración cambiada entretanto no se guarda</translation>
    </message>
    <message>
        <source>registry database %1 can be written again</source>
        <translation>la base de datos del registro %1 se puede escribir de nuevo</translation>
    </message>
</context>
<context>
    <name>StartupNote</name>
    <message>
        <source>Single-instance lock not taken: %1; a second start would run beside this one.</source>
        <translation>No se tomó el bloqueo de instancia única: %1; un segundo inicio se ejecutaría junto a este.</translation>
    </message>
    <message>
        <source>Wayland session without XWayland: the monitor window cannot stay on top or keep its place.</source>
        <translation>Sesión de Wayland sin XWayland: la ventana del monitor no puede quedarse encima ni mantener su posición.</translation>
    </message>
    <message>
        <source>Wayland session: running on XWayland, so that the monitor window can stay on top.</source>
        <translation>Sesión de Wayland: se ejecuta en XWayland para que la ventana del monitor pueda quedarse encima.</translation>
    </message>
    <message>
        <source>A second start cannot ask this one to show its window: %1</source>
        <translation>Un segundo inicio no puede pedir a este que muestre su ventana: %1</translation>
    </message>
    <message>
        <source>Another start of Vantrel asked for this window.</source>
        <translation>Otro inicio de Vantrel pidió esta ventana.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Vantrel - About</source>
        <translation>Vantrel - Acerca de</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Copy client IP %1 to clipboard.</source>
        <translation>IP del cliente %1 copiada al portapapeles.</translation>
    </message>
    <message>
        <source>  Current Connection  </source>
        <translation>  Conexión actual  </translation>
    </message>
    <message>
        <source>  Last Connection  </source>
        <translation>  Última conexión  </translation>
    </message>
    <message>
        <source>  Total Connection  </source>
        <translation>  Total de conexiones  </translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexión:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>bits/s</source>
        <translation>bits/s</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>Enviados:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>Received:</source>
        <translation>Recibidos:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>DNS Server:</source>
        <translation>Servidor DNS:</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>IP del servidor:</translation>
    </message>
    <message>
        <source>Client IP:</source>
        <translation>IP del cliente:</translation>
    </message>
    <message>
        <source>Upload Speed:</source>
        <translation>Tasa de envío:</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>bytes/s</translation>
    </message>
    <message>
        <source>Download Speed:</source>
        <translation>Tasa de recepción:</translation>
    </message>
    <message>
        <source>Double click to copy to clipboard</source>
        <translation>Doble clic para copiar al portapapeles</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Double click to reset stats</source>
        <translation>Doble clic para restablecer las estadísticas</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Start Minimized</source>
        <translation>Iniciar minimizado</translation>
    </message>
    <message>
        <source>Load on Startup</source>
        <translation>Cargar al iniciar sesión</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <source>Anti Idle...</source>
        <translation>Antiinactividad...</translation>
    </message>
    <message>
        <source>Sound...</source>
        <translation>Sonido...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Conexiones...</translation>
    </message>
    <message>
        <source>Show Monitor...</source>
        <translation>Mostrar monitor...</translation>
    </message>
    <message>
        <source>Hide Monitor when Offline</source>
        <translation>Ocultar monitor sin conexión</translation>
    </message>
    <message>
        <source>Transparent Monitor</source>
        <translation>Monitor transparente</translation>
    </message>
    <message>
        <source>Copy IP to Clipboard</source>
        <translation>Copiar IP al portapapeles</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Acerca de Vantrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No notification area on this desktop: Vantrel minimises to the taskbar.</source>
        <translation>Este escritorio no tiene área de notificación: Vantrel se minimiza a la barra de tareas.</translation>
    </message>
    <message>
        <source>Usage...</source>
        <translation>Uso de datos...</translation>
    </message>
    <message>
        <source>Data Plan...</source>
        <translation>Plan de datos...</translation>
    </message>
</context>
<context>
    <name>TMonForm</name>
    <message>
        <source>Vantrel - Monitor</source>
        <translation>Vantrel - Monitor</translation>
    </message>
</context>
<context>
    <name>TRasCon</name>
    <message>
        <source>Opening Serial Port</source>
        <translation>Abriendo puerto serie</translation>
    </message>
    <message>
        <source>Serial Port Opened</source>
        <translation>Puerto serie abierto</translation>
    </message>
    <message>
        <source>Connecting/Dialling</source>
        <translation>Conectando/Marcando</translation>
    </message>
    <message>
        <source>Connected/Answered</source>
        <translation>Conectado/Respondido</translation>
    </message>
    <message>
        <source>Connected/Negotiation</source>
        <translation>Conectado/Negociación</translation>
    </message>
    <message>
        <source>Validating User and Password</source>
        <translation>Validando usuario y contraseña</translation>
    </message>
    <message>
        <source>Authentication Notification</source>
        <translation>Notificación de autenticación</translation>
    </message>
    <message>
        <source>Authentication Call Back</source>
        <translation>Devolución de llamada de autenticación</translation>
    </message>
    <message>
        <source>Projection Started</source>
        <translation>Proyección iniciada</translation>
    </message>
    <message>
        <source>Calculating Link speed</source>
        <translation>Calculando velocidad del enlace</translation>
    </message>
    <message>
        <source>Authentication acknowledged</source>
        <translation>Autenticación confirmada</translation>
    </message>
    <message>
        <source>Reauthenticating</source>
        <translation>Reautenticando</translation>
    </message>
    <message>
        <source>Login Authenticated</source>
        <translation>Inicio de sesión autenticado</translation>
    </message>
    <message>
        <source>Preparing for Callback</source>
        <translation>Preparando devolución de llamada</translation>
    </message>
    <message>
        <source>Waiting for Modem Reset</source>
        <translation>Esperando reinicio del módem</translation>
    </message>
    <message>
        <source>Waiting for Callback</source>
        <translation>Esperando devolución de llamada</translation>
    </message>
    <message>
        <source>Projection Completion</source>
        <translation>Proyección completada</translation>
    </message>
    <message>
        <source>Start Authentication</source>
        <translation>Iniciando autenticación</translation>
    </message>
    <message>
        <source>Callback Complete</source>
        <translation>Devolución de llamada completada</translation>
    </message>
    <message>
        <source>Logon to Network</source>
        <translation>Inicio de sesión en la red</translation>
    </message>
    <message>
        <source>Extra Channel Connected</source>
        <translation>Canal adicional conectado</translation>
    </message>
    <message>
        <source>Extra Channel Disconnected</source>
        <translation>Canal adicional desconectado</translation>
    </message>
    <message>
        <source>Interactive Terminal</source>
        <translation>Terminal interactivo</translation>
    </message>
    <message>
        <source>Retry Authentication</source>
        <translation>Reintentar autenticación</translation>
    </message>
    <message>
        <source>Callback Set By Caller</source>
        <translation>Devolución de llamada establecida por el llamante</translation>
    </message>
    <message>
        <source>Password Expires</source>
        <translation>La contraseña caduca</translation>
    </message>
    <message>
        <source>Paused for Authentication</source>
        <translation>En pausa para autenticación</translation>
    </message>
    <message>
        <source>Connected/Online</source>
        <translation>Conectado/En línea</translation>
    </message>
    <message>
        <source>Disconnected/Offline</source>
        <translation>Desconectado/Sin conexión</translation>
    </message>
    <message>
        <source>Unknown DUN Version</source>
        <translation>Versión de acceso telefónico desconocida</translation>
    </message>
    <message>
        <source>DUN 1.0/Win95/Retail</source>
        <translation>DUN 1.0/Win95/Retail</translation>
    </message>
    <message>
        <source>DUN 1.1/Win95/OSR2</source>
        <translation>DUN 1.1/Win95/OSR2</translation>
    </message>
    <message>
        <source>DUN 1.1/Win95/ISDN</source>
        <translation>DUN 1.1/Win95/ISDN</translation>
    </message>
    <message>
        <source>DUN 1.2b/Win95/Patch</source>
        <translation>DUN 1.2b/Win95/Patch</translation>
    </message>
    <message>
        <source>DUN 1.3/Win95/Patch</source>
        <translation>DUN 1.3/Win95/Patch</translation>
    </message>
    <message>
        <source>DUN 1.2c/Win98</source>
        <translation>DUN 1.2c/Win98</translation>
    </message>
    <message>
        <source>DUN 1.3/Win98/Patch</source>
        <translation>DUN 1.3/Win98/Patch</translation>
    </message>
    <message>
        <source>DUN 1.3/Win98SE</source>
        <translation>DUN 1.3/Win98SE</translation>
    </message>
    <message>
        <source>DUN 1.3/WinME</source>
        <translation>DUN 1.3/WinME</translation>
    </message>
    <message>
        <source>DUN NT4 </source>
        <translation>DUN NT4 </translation>
    </message>
    <message>
        <source>DUN WinXP </source>
        <translation>DUN WinXP </translation>
    </message>
    <message>
        <source>DUN W2K </source>
        <translation>DUN W2K </translation>
    </message>
    <message>
        <source>DUN </source>
        <translation>DUN </translation>
    </message>
    <message>
        <source>Unknown State (%1)</source>
        <translation>Estado desconocido (%1)</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Device Connecting/Dialling</source>
        <translation>Dispositivo conectando/marcando</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>no disponible</translation>
    </message>
</context>
<context>
    <name>TRasPer</name>
    <message>
        <source>Unable to Read Registry Key - %1/%2</source>
        <translation>No se puede leer la clave del registro - %1/%2</translation>
    </message>
    <message>
        <source>Unable to Locate Win9x Dial-Up Adapter</source>
        <translation>No se encuentra el adaptador de acceso telefónico de Win9x</translation>
    </message>
    <message>
        <source>Unable to Find Performance Data Helper Library (PDH.DLL)</source>
        <translation>No se encuentra la biblioteca auxiliar de datos de rendimiento (PDH.DLL)</translation>
    </message>
    <message>
        <source>Unable to Initialise Performance Data Helper Library (PDH.DLL), ErrCode 0%1</source>
        <translation>No se puede inicializar la biblioteca auxiliar de datos de rendimiento (PDH.DLL), código de error 0%1</translation>
    </message>
    <message>
        <source>Unable to Open Registry Key - %1</source>
        <translation>No se puede abrir la clave del registro - %1</translation>
    </message>
    <message>
        <source>No Performance Data Returned for Object - %1</source>
        <translation>No se devolvieron datos de rendimiento para el objeto - %1</translation>
    </message>
    <message>
        <source>No Performance Object Blocks Found for - %1</source>
        <translation>No se encontraron bloques de objetos de rendimiento para - %1</translation>
    </message>
</context>
<context>
    <name>ToolHelp</name>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
</context>
<context>
    <name>UsageChart</name>
    <message>
        <source>Sent</source>
        <translation>Enviados</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibidos</translation>
    </message>
    <message>
        <source>Used in cycle</source>
        <translation>Usado en el ciclo</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>%1: %2 sent, %3 received</source>
        <translation>%1: %2 enviados, %3 recibidos</translation>
    </message>
</context>
<context>
    <name>UsageConnectionsModel</name>
    <message>
        <source>%1 (up)</source>
        <translation>%1 (en curso)</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviados</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibidos</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Direcciones</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>%1; monitoring goes on</source>
        <translation>%1; la supervisión continúa</translation>
    </message>
    <message>
        <source>usage history %1: cannot be written: %2</source>
        <translation>historial de uso %1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>usage history %1: cannot be read: %2</source>
        <translation>historial de uso %1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>usage history %1: no such file (nothing recorded yet)</source>
        <translation>historial de uso %1: el archivo no existe (aún no se ha registrado nada)</translation>
    </message>
    <message>
        <source>usage history %1 was damaged; moved aside as %2 and started afresh</source>
        <translation>el historial de uso %1 estaba dañado; apartado como %2 y empezado de nuevo</translation>
    </message>
    <message>
        <source>usage history %1: written by a newer version; not recorded</source>
        <translation>historial de uso %1: escrito por una versión más reciente; no se registra</translation>
    </message>
    <message>
        <source>usage history %1: cannot be opened: %2</source>
        <translation>historial de uso %1: no se puede abrir: %2</translation>
    </message>
    <message>
        <source>usage history %1: not open</source>
        <translation>historial de uso %1: no está abierto</translation>
    </message>
    <message>
        <source>usage history %1: cannot be compacted: %2</source>
        <translation>historial de uso %1: no se puede compactar: %2</translation>
    </message>
    <message>
        <source>usage history %1 was removed or moved; a new one is started</source>
        <translation>el historial de uso %1 se eliminó o se movió; se empieza uno nuevo</translation>
    </message>
</context>
<context>
    <name>UsageTexts</name>
    <message>
        <source>%1 %2</source>
        <comment>a month&apos;s name as it stands alone, and its year</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 B</source>
        <comment>a figure of bytes</comment>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <comment>a figure of kilobytes, 1000 bytes each</comment>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <comment>a figure of megabytes, 10^6 bytes each</comment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <comment>a figure of gigabytes, 10^9 bytes each</comment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <comment>a figure of terabytes, 10^12 bytes each</comment>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <comment>a figure of petabytes, 10^15 bytes each</comment>
        <translation>%1 PB</translation>
    </message>
</context>
<context>
    <name>UsageWindow</name>
    <message>
        <source>Vantrel - Usage</source>
        <translation>Vantrel - Uso de datos</translation>
    </message>
    <message>
        <source>Monthly usage, the last twelve months</source>
        <translation>Uso mensual de los últimos doce meses</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Daily Usage...</source>
        <translation>Uso diario...</translation>
    </message>
    <message>
        <source>Monthly Usage...</source>
        <translation>Uso mensual...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Conexiones...</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet.</source>
        <translation>Todavía no se ha registrado nada.</translation>
    </message>
    <message>
        <source>Daily usage, the cycle from %1 to %2</source>
        <translation>Uso diario, ciclo del %1 al %2</translation>
    </message>
    <message>
        <source>Daily usage, %1</source>
        <translation>Uso diario, %1</translation>
    </message>
    <message>
        <source>At this rate: %1 by %2</source>
        <translation>A este ritmo: %1 para el %2</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, 1 day left</source>
        <translation>%1 de %2 usados, %3&#xa0;%, queda 1 día</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, %4 days left</source>
        <translation>%1 de %2 usados, %3&#xa0;%, quedan %4 días</translation>
    </message>
    <message>
        <source>This month: %1 (%2 sent, %3 received); last month: %4</source>
        <translation>Este mes: %1 (%2 enviados, %3 recibidos); mes anterior: %4</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>the format of the cycle&apos;s last day</comment>
        <translation>d &apos;de&apos; MMM</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Previous cycle</source>
        <translation>Ciclo anterior</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next cycle</source>
        <translation>Ciclo siguiente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for all connections</source>
        <translation>Ciclos de facturación del plan para todas las conexiones</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for %1</source>
        <translation>Ciclos de facturación del plan para %1</translation>
    </message>
    <message>
        <source>Calendar months of all connections</source>
        <translation>Meses naturales de todas las conexiones</translation>
    </message>
    <message>
        <source>Calendar months of %1</source>
        <translation>Meses naturales de %1</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%</source>
        <translation>%1 de %2 usados, %3&#xa0;%</translation>
    </message>
    <message>
        <source>Nothing left for the days remaining</source>
        <translation>No queda nada para los días restantes</translation>
    </message>
    <message>
        <source>Left for the last day: %1</source>
        <translation>Queda para el último día: %1</translation>
    </message>
    <message>
        <source>Left per remaining day: %1</source>
        <translation>Queda por día restante: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 sent, %4 received)</source>
        <translation>%1: %2 (%3 enviados, %4 recibidos)</translation>
    </message>
</context>
<context>
    <name>WinMessages</name>
    <message>
        <source>An operation is pending.</source>
        <translation>Hay una operación pendiente.</translation>
    </message>
    <message>
        <source>The port handle is invalid.</source>
        <translation>El identificador del puerto no es válido.</translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation>El puerto ya está abierto.</translation>
    </message>
    <message>
        <source>Caller&apos;s buffer is too small.</source>
        <translation>El búfer del llamador es demasiado pequeño.</translation>
    </message>
    <message>
        <source>Wrong information specified.</source>
        <translation>Se especificó información incorrecta.</translation>
    </message>
    <message>
        <source>Cannot set port information.</source>
        <translation>No se puede establecer la información del puerto.</translation>
    </message>
    <message>
        <source>The port is not connected.</source>
        <translation>El puerto no está conectado.</translation>
    </message>
    <message>
        <source>The event is invalid.</source>
        <translation>El evento no es válido.</translation>
    </message>
    <message>
        <source>The device does not exist.</source>
        <translation>El dispositivo no existe.</translation>
    </message>
    <message>
        <source>The device type does not exist.</source>
        <translation>El tipo de dispositivo no existe.</translation>
    </message>
    <message>
        <source>The buffer is invalid.</source>
        <translation>El búfer no es válido.</translation>
    </message>
    <message>
        <source>The route is not available.</source>
        <translation>La ruta no está disponible.</translation>
    </message>
    <message>
        <source>The route is not allocated.</source>
        <translation>La ruta no está asignada.</translation>
    </message>
    <message>
        <source>Invalid compression specified.</source>
        <translation>Se especificó una compresión no válida.</translation>
    </message>
    <message>
        <source>Out of buffers.</source>
        <translation>No hay búferes disponibles.</translation>
    </message>
    <message>
        <source>The port was not found.</source>
        <translation>No se encontró el puerto.</translation>
    </message>
    <message>
        <source>An asynchronous request is pending.</source>
        <translation>Hay una solicitud asincrónica pendiente.</translation>
    </message>
    <message>
        <source>The port or device is already disconnecting.</source>
        <translation>El puerto o el dispositivo ya se está desconectando.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>El puerto no está abierto.</translation>
    </message>
    <message>
        <source>The port is disconnected.</source>
        <translation>El puerto está desconectado.</translation>
    </message>
    <message>
        <source>There are no endpoints.</source>
        <translation>No hay extremos.</translation>
    </message>
    <message>
        <source>Cannot open the phone book file.</source>
        <translation>No se puede abrir el archivo de la libreta de teléfonos.</translation>
    </message>
    <message>
        <source>Cannot load the phone book file.</source>
        <translation>No se puede cargar el archivo de la libreta de teléfonos.</translation>
    </message>
    <message>
        <source>Cannot find the phone book entry.</source>
        <translation>No se encuentra la entrada de la libreta de teléfonos.</translation>
    </message>
    <message>
        <source>Cannot write the phone book file.</source>
        <translation>No se puede escribir el archivo de la libreta de teléfonos.</translation>
    </message>
    <message>
        <source>Invalid information found in the phone book file.</source>
        <translation>Se encontró información no válida en el archivo de la libreta de teléfonos.</translation>
    </message>
    <message>
        <source>Cannot load a string.</source>
        <translation>No se puede cargar una cadena.</translation>
    </message>
    <message>
        <source>Cannot find key.</source>
        <translation>No se encuentra la clave.</translation>
    </message>
    <message>
        <source>The port was disconnected.</source>
        <translation>El puerto se desconectó.</translation>
    </message>
    <message>
        <source>The port was disconnected by the remote machine.</source>
        <translation>El equipo remoto desconectó el puerto.</translation>
    </message>
    <message>
        <source>The port was disconnected due to hardware failure.</source>
        <translation>El puerto se desconectó debido a un error de hardware.</translation>
    </message>
    <message>
        <source>The port was disconnected by the user.</source>
        <translation>El usuario desconectó el puerto.</translation>
    </message>
    <message>
        <source>The structure size is incorrect.</source>
        <translation>El tamaño de la estructura es incorrecto.</translation>
    </message>
    <message>
        <source>The port is already in use or is not configured for Remote Access dial out.</source>
        <translation>El puerto ya está en uso o no está configurado para llamadas salientes de acceso remoto.</translation>
    </message>
    <message>
        <source>Cannot register your computer on the remote network.</source>
        <translation>No se puede registrar el equipo en la red remota.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
    <message>
        <source>The wrong device is attached to the port.</source>
        <translation>El dispositivo conectado al puerto no es el correcto.</translation>
    </message>
    <message>
        <source>The string could not be converted.</source>
        <translation>No se pudo convertir la cadena.</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>Se agotó el tiempo de espera de la solicitud.</translation>
    </message>
    <message>
        <source>Internal authentication error.</source>
        <translation>Error interno de autenticación.</translation>
    </message>
    <message>
        <source>The account is not permitted to log on at this time of day.</source>
        <translation>La cuenta no puede iniciar sesión a esta hora del día.</translation>
    </message>
    <message>
        <source>The account is disabled.</source>
        <translation>La cuenta está deshabilitada.</translation>
    </message>
    <message>
        <source>The password has expired.</source>
        <translation>La contraseña ha caducado.</translation>
    </message>
    <message>
        <source>The account does not have Remote Access permission.</source>
        <translation>La cuenta no tiene permiso de acceso remoto.</translation>
    </message>
    <message>
        <source>The Remote Access server is not responding.</source>
        <translation>El servidor de acceso remoto no responde.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) has reported an error.</source>
        <translation>El módem (u otro dispositivo de conexión) informó de un error.</translation>
    </message>
    <message>
        <source>Unrecognized response from the device.</source>
        <translation>Respuesta no reconocida del dispositivo.</translation>
    </message>
    <message>
        <source>A macro required by the device was not found in the device .INF file section.</source>
        <translation>No se encontró una macro requerida por el dispositivo en la sección del archivo .INF del dispositivo.</translation>
    </message>
    <message>
        <source>The &lt;message&gt; macro was not found in the device .INF file section.</source>
        <translation>No se encontró la macro &lt;message&gt; en la sección del archivo .INF del dispositivo.</translation>
    </message>
    <message>
        <source>The &lt;defaultoff&gt; macro in the device .INF file section contains an undefined macro.</source>
        <translation>La macro &lt;defaultoff&gt; de la sección del archivo .INF del dispositivo contiene una macro no definida.</translation>
    </message>
    <message>
        <source>The device .INF file could not be opened.</source>
        <translation>No se pudo abrir el archivo .INF del dispositivo.</translation>
    </message>
    <message>
        <source>The device name in the device .INF or media .INI file is too long.</source>
        <translation>El nombre del dispositivo en el archivo .INF del dispositivo o en el archivo .INI de medios es demasiado largo.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device name.</source>
        <translation>El archivo .INI de medios hace referencia a un nombre de dispositivo desconocido.</translation>
    </message>
    <message>
        <source>The device .INF file contains no responses for the command.</source>
        <translation>El archivo .INF del dispositivo no contiene respuestas para el comando.</translation>
    </message>
    <message>
        <source>The device .INF file is missing a command.</source>
        <translation>Falta un comando en el archivo .INF del dispositivo.</translation>
    </message>
    <message>
        <source>Attempted to set a macro not listed in device .INF file section.</source>
        <translation>Se intentó establecer una macro que no figura en la sección del archivo .INF del dispositivo.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device type.</source>
        <translation>El archivo .INI de medios hace referencia a un tipo de dispositivo desconocido.</translation>
    </message>
    <message>
        <source>Cannot allocate memory.</source>
        <translation>No se puede asignar memoria.</translation>
    </message>
    <message>
        <source>The port is not configured for Remote Access.</source>
        <translation>El puerto no está configurado para el acceso remoto.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) is not functioning.</source>
        <translation>El módem (u otro dispositivo de conexión) no funciona.</translation>
    </message>
    <message>
        <source>Cannot read the media .INI file.</source>
        <translation>No se puede leer el archivo .INI de medios.</translation>
    </message>
    <message>
        <source>The connection dropped.</source>
        <translation>La conexión se interrumpió.</translation>
    </message>
    <message>
        <source>The usage parameter in the media .INI file is invalid.</source>
        <translation>El parámetro de uso del archivo .INI de medios no es válido.</translation>
    </message>
    <message>
        <source>Cannot read the section name from the media .INI file.</source>
        <translation>No se puede leer el nombre de sección del archivo .INI de medios.</translation>
    </message>
    <message>
        <source>Cannot read the device type from the media .INI file.</source>
        <translation>No se puede leer el tipo de dispositivo del archivo .INI de medios.</translation>
    </message>
    <message>
        <source>Cannot read the device name from the media .INI file.</source>
        <translation>No se puede leer el nombre del dispositivo del archivo .INI de medios.</translation>
    </message>
    <message>
        <source>Cannot read the usage from the media .INI file.</source>
        <translation>No se puede leer el uso del archivo .INI de medios.</translation>
    </message>
    <message>
        <source>Cannot read the maximum connection BPS rate from the media .INI file.</source>
        <translation>No se puede leer la velocidad máxima de conexión (BPS) del archivo .INI de medios.</translation>
    </message>
    <message>
        <source>Cannot read the maximum carrier BPS rate from the media .INI file.</source>
        <translation>No se puede leer la velocidad máxima de portadora (BPS) del archivo .INI de medios.</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>La línea está ocupada.</translation>
    </message>
    <message>
        <source>A person answered instead of a modem.</source>
        <translation>Respondió una persona en lugar de un módem.</translation>
    </message>
    <message>
        <source>There is no answer.</source>
        <translation>No hay respuesta.</translation>
    </message>
    <message>
        <source>Cannot detect carrier.</source>
        <translation>No se puede detectar la portadora.</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>No hay tono de marcado.</translation>
    </message>
    <message>
        <source>General error reported by device.</source>
        <translation>Error general notificado por el dispositivo.</translation>
    </message>
    <message>
        <source>Access denied because username and/or password is invalid on the domain.</source>
        <translation>Acceso denegado porque el nombre de usuario o la contraseña no son válidos en el dominio.</translation>
    </message>
    <message>
        <source>Hardware failure in port or attached device.</source>
        <translation>Error de hardware en el puerto o en el dispositivo conectado.</translation>
    </message>
    <message>
        <source>State machines are not started.</source>
        <translation>Las máquinas de estado no se han iniciado.</translation>
    </message>
    <message>
        <source>State machines are already started.</source>
        <translation>Las máquinas de estado ya se han iniciado.</translation>
    </message>
    <message>
        <source>Response looping did not complete.</source>
        <translation>El bucle de respuesta no se completó.</translation>
    </message>
    <message>
        <source>The device response caused buffer overflow.</source>
        <translation>La respuesta del dispositivo provocó un desbordamiento del búfer.</translation>
    </message>
    <message>
        <source>The expanded command in the device .INF file is too long.</source>
        <translation>El comando expandido del archivo .INF del dispositivo es demasiado largo.</translation>
    </message>
    <message>
        <source>The device moved to a BPS rate not supported by the COM driver.</source>
        <translation>El dispositivo cambió a una velocidad (BPS) que el controlador COM no admite.</translation>
    </message>
    <message>
        <source>Device response received when none expected.</source>
        <translation>Se recibió una respuesta del dispositivo cuando no se esperaba ninguna.</translation>
    </message>
    <message>
        <source>The connection needs information from you, but the application does not allow user interaction.</source>
        <translation>La conexión necesita información de usted, pero la aplicación no permite la interacción con el usuario.</translation>
    </message>
    <message>
        <source>The callback number is invalid.</source>
        <translation>El número de devolución de llamada no es válido.</translation>
    </message>
    <message>
        <source>The authorization state is invalid.</source>
        <translation>El estado de autorización no es válido.</translation>
    </message>
    <message>
        <source>There was an error related to the X.25 protocol.</source>
        <translation>Se produjo un error relacionado con el protocolo X.25.</translation>
    </message>
    <message>
        <source>The account has expired.</source>
        <translation>La cuenta ha caducado.</translation>
    </message>
    <message>
        <source>There was an error changing the password on the domain.</source>
        <translation>Se produjo un error al cambiar la contraseña en el dominio.</translation>
    </message>
    <message>
        <source>Serial overrun errors were detected while communicating with your modem.</source>
        <translation>Se detectaron errores de desbordamiento serie al comunicarse con el módem.</translation>
    </message>
    <message>
        <source>The Remote Access Service Manager could not start.</source>
        <translation>No se pudo iniciar el Administrador del servicio de acceso remoto.</translation>
    </message>
    <message>
        <source>The two-way port is initializing.</source>
        <translation>El puerto bidireccional se está inicializando.</translation>
    </message>
    <message>
        <source>No active ISDN lines are available.</source>
        <translation>No hay líneas RDSI activas disponibles.</translation>
    </message>
    <message>
        <source>No ISDN channels are available to make the call.</source>
        <translation>No hay canales RDSI disponibles para realizar la llamada.</translation>
    </message>
    <message>
        <source>Too many errors occurred because of poor phone line quality.</source>
        <translation>Se produjeron demasiados errores debido a la mala calidad de la línea telefónica.</translation>
    </message>
    <message>
        <source>The Remote Access Service IP configuration is unusable.</source>
        <translation>La configuración IP del servicio de acceso remoto no se puede usar.</translation>
    </message>
    <message>
        <source>No IP addresses are available in the static pool of Remote Access Service IP addresses.</source>
        <translation>No hay direcciones IP disponibles en el grupo estático de direcciones IP del servicio de acceso remoto.</translation>
    </message>
    <message>
        <source>The connection was terminated because the remote computer did not respond in a timely manner.</source>
        <translation>Se terminó la conexión porque el equipo remoto no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The connection was terminated by the remote computer.</source>
        <translation>El equipo remoto terminó la conexión.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be established. No PPP control protocols configured.</source>
        <translation>No se pudo establecer una conexión con el equipo remoto. No hay protocolos de control PPP configurados.</translation>
    </message>
    <message>
        <source>The remote computer did not respond.</source>
        <translation>El equipo remoto no respondió.</translation>
    </message>
    <message>
        <source>Invalid data was received from the remote computer.</source>
        <translation>Se recibieron datos no válidos del equipo remoto.</translation>
    </message>
    <message>
        <source>The phone number, including prefix and suffix, is too long.</source>
        <translation>El número de teléfono, incluidos el prefijo y el sufijo, es demasiado largo.</translation>
    </message>
    <message>
        <source>The IPX protocol cannot be used for dial-out on more than one modem at a time.</source>
        <translation>El protocolo IPX no se puede usar para llamadas salientes en más de un módem a la vez.</translation>
    </message>
    <message>
        <source>The system cannot find an IP adapter.</source>
        <translation>El sistema no encuentra un adaptador IP.</translation>
    </message>
    <message>
        <source>SLIP cannot be used unless the IP protocol is installed.</source>
        <translation>SLIP no se puede usar a menos que esté instalado el protocolo IP.</translation>
    </message>
    <message>
        <source>Computer registration is not complete.</source>
        <translation>El registro del equipo no se ha completado.</translation>
    </message>
    <message>
        <source>The protocol is not configured.</source>
        <translation>El protocolo no está configurado.</translation>
    </message>
    <message>
        <source>Your computer and the remote computer could not agree on PPP control protocols.</source>
        <translation>El equipo y el equipo remoto no pudieron ponerse de acuerdo en los protocolos de control PPP.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be completed.</source>
        <translation>No se pudo completar una conexión con el equipo remoto.</translation>
    </message>
    <message>
        <source>The PPP link control protocol was terminated.</source>
        <translation>Se terminó el protocolo de control de vínculo PPP.</translation>
    </message>
    <message>
        <source>The requested address was rejected by the server.</source>
        <translation>El servidor rechazó la dirección solicitada.</translation>
    </message>
    <message>
        <source>The remote computer terminated the control protocol.</source>
        <translation>El equipo remoto terminó el protocolo de control.</translation>
    </message>
    <message>
        <source>Loopback was detected.</source>
        <translation>Se detectó un bucle invertido.</translation>
    </message>
    <message>
        <source>The server did not assign an address.</source>
        <translation>El servidor no asignó ninguna dirección.</translation>
    </message>
    <message>
        <source>The authentication protocol required by the remote server cannot use the stored password.</source>
        <translation>El protocolo de autenticación que exige el servidor remoto no puede usar la contraseña guardada.</translation>
    </message>
    <message>
        <source>An invalid dialing rule was detected.</source>
        <translation>Se detectó una regla de marcado no válida.</translation>
    </message>
    <message>
        <source>The local computer does not support the required data encryption type.</source>
        <translation>El equipo local no admite el tipo de cifrado de datos requerido.</translation>
    </message>
    <message>
        <source>The remote computer does not support the required data encryption type.</source>
        <translation>El equipo remoto no admite el tipo de cifrado de datos requerido.</translation>
    </message>
    <message>
        <source>The remote server requires encryption.</source>
        <translation>El servidor remoto requiere cifrado.</translation>
    </message>
    <message>
        <source>The callback number contains an invalid character.</source>
        <translation>El número de devolución de llamada contiene un carácter no válido.</translation>
    </message>
    <message>
        <source>A syntax error was encountered while processing a script.</source>
        <translation>Se encontró un error de sintaxis al procesar un script.</translation>
    </message>
    <message>
        <source>The connection could not be disconnected because it was created by the multi-protocol router.</source>
        <translation>No se pudo desconectar la conexión porque la creó el enrutador multiprotocolo.</translation>
    </message>
    <message>
        <source>The system could not find the multi-link bundle.</source>
        <translation>El sistema no encontró el conjunto de vínculos múltiples.</translation>
    </message>
    <message>
        <source>The remote computer is not reachable.</source>
        <translation>No se puede alcanzar el equipo remoto.</translation>
    </message>
    <message>
        <source>The remote computer refused the connection attempt.</source>
        <translation>El equipo remoto rechazó el intento de conexión.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the network is busy.</source>
        <translation>Error en el intento de conexión porque la red está ocupada.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the modem on the remote computer is out of order.</source>
        <translation>Error en el intento de conexión porque el módem del equipo remoto está fuera de servicio.</translation>
    </message>
    <message>
        <source>It was not possible to verify the identity of the server.</source>
        <translation>No fue posible comprobar la identidad del servidor.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>La operación se completó correctamente.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Función incorrecta.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>El sistema no puede encontrar el archivo especificado.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>El sistema no puede encontrar la ruta de acceso especificada.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Acceso denegado.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>El identificador no es válido.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>No hay suficiente espacio de almacenamiento para procesar este comando.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>No hay suficiente espacio de almacenamiento para completar esta operación.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Un dispositivo conectado al sistema no funciona.</translation>
    </message>
    <message>
        <source>The request is not supported.</source>
        <translation>No se admite la solicitud.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>El parámetro no es correcto.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>El nombre de archivo es demasiado largo.</translation>
    </message>
    <message>
        <source>This function is not supported on this system.</source>
        <translation>Esta función no se admite en este sistema.</translation>
    </message>
    <message>
        <source>The data area passed to a system call is too small.</source>
        <translation>El área de datos pasada a una llamada del sistema es demasiado pequeña.</translation>
    </message>
    <message>
        <source>The specified module could not be found.</source>
        <translation>No se puede encontrar el módulo especificado.</translation>
    </message>
    <message>
        <source>The specified procedure could not be found.</source>
        <translation>No se puede encontrar el procedimiento especificado.</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>El recurso solicitado está en uso.</translation>
    </message>
    <message>
        <source>More data is available.</source>
        <translation>Hay más datos disponibles.</translation>
    </message>
    <message>
        <source>No more data is available.</source>
        <translation>No hay más datos disponibles.</translation>
    </message>
    <message>
        <source>One of the library files needed to run this application cannot be found.</source>
        <translation>No se encuentra uno de los archivos de biblioteca necesarios para ejecutar esta aplicación.</translation>
    </message>
</context>
<context>
    <name>monitortexts</name>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Conexión: %1</translation>
    </message>
    <message>
        <source>Speed: %1 bps</source>
        <translation>Velocidad: %1 bps</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>Client IP: %1</source>
        <translation>IP del cliente: %1</translation>
    </message>
    <message>
        <source>Online: %1</source>
        <translation>Conectado: %1</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>Desconectado: %1</translation>
    </message>
</context>
<context>
    <name>vantrel-fetch</name>
    <message>
        <source>Fetches URL with the monitor&apos;s HTTP/1.0 client and prints each event on its own line in the
order it is raised, then the response&apos;s status line.</source>
        <translation>Obtiene URL con el cliente HTTP/1.0 del monitor e imprime cada evento en su propia línea en el orden
en que se produce, y después la línea de estado de la respuesta.</translation>
    </message>
    <message>
        <source>send the request through this HTTP proxy</source>
        <translation>enviar la petición a través de este proxy HTTP</translation>
    </message>
    <message>
        <source>Basic authorization for the proxy</source>
        <translation>autorización Basic para el proxy</translation>
    </message>
    <message>
        <source>connect through a CONNECT tunnel or a SOCKS server</source>
        <translation>conectar a través de un túnel CONNECT o un servidor SOCKS</translation>
    </message>
    <message>
        <source>the firewall or SOCKS server</source>
        <translation>el cortafuegos o servidor SOCKS</translation>
    </message>
    <message>
        <source>user (and password) the firewall asks for</source>
        <translation>usuario (y contraseña) que pide el cortafuegos</translation>
    </message>
    <message>
        <source>give up after S seconds (default: never)</source>
        <translation>desistir tras S segundos (predeterminado: nunca)</translation>
    </message>
    <message>
        <source>User-Agent header</source>
        <translation>cabecera User-Agent</translation>
    </message>
    <message>
        <source>Accept header</source>
        <translation>cabecera Accept</translation>
    </message>
    <message>
        <source>send HEAD instead of GET</source>
        <translation>enviar HEAD en lugar de GET</translation>
    </message>
    <message>
        <source>send POST with TEXT as body</source>
        <translation>enviar POST con TEXT como cuerpo</translation>
    </message>
    <message>
        <source>usage: vantrel-fetch [OPTIONS] URL</source>
        <translation>uso: vantrel-fetch [OPTIONS] URL</translation>
    </message>
    <message>
        <source>its port (default: 80 for tunnel, 1080 for SOCKS)</source>
        <translation>su puerto (predeterminado: 80 para tunnel, 1080 para SOCKS)</translation>
    </message>
    <message>
        <source>which redirects to follow (default: never)</source>
        <translation>qué redirecciones seguir (predeterminado: never)</translation>
    </message>
    <message>
        <source>keep at most N bytes of the body (0: all; default: 4096)</source>
        <translation>guardar como máximo N bytes del cuerpo (0: todo; predeterminado: 4096)</translation>
    </message>
    <message>
        <source>also write the body to FILE</source>
        <translation>escribir también el cuerpo en FILE</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the request failed (&quot;code: text&quot; on standard error), 2 bad command line.</source>
        <translation>Estado de salida: 0 hecho, 1 la petición falló (&quot;code: text&quot; en la salida de error estándar), 2 línea de órdenes incorrecta.</translation>
    </message>
</context>
<context>
    <name>vantrel-ras</name>
    <message>
        <source>usage: vantrel-ras [--once | --ticks N]</source>
        <translation>uso: vantrel-ras [--once | --ticks N]</translation>
    </message>
    <message>
        <source>Runs the dial-up access layer the way the monitor polls it, once a second of the data source&apos;s
clock, and prints one line per tick: the active connection, its state code and text, device,
addresses, authentication, the traffic counters (bytes sent and received since the connection
came up) and speed, and the DNS servers; on the linux source also where the connection&apos;s name,
type and state come from (NetworkManager or the kernel).</source>
        <translation>Ejecuta la capa de acceso telefónico como la consulta el monitor, una vez por segundo del reloj de
la fuente de datos, e imprime una línea por tic: conexión activa, código y texto de estado,
dispositivo, direcciones, autenticación, contadores de tráfico (bytes enviados y recibidos desde
que se estableció la conexión) y velocidad, y servidores DNS; con la fuente linux, también de dónde
vienen el nombre, el tipo y el estado de la conexión (NetworkManager o el kernel).</translation>
    </message>
    <message>
        <source>one tick, then exit</source>
        <translation>un tic y salir</translation>
    </message>
    <message>
        <source>N ticks, then exit (default: until interrupted)</source>
        <translation>N tics y salir (predeterminado: hasta que se interrumpa)</translation>
    </message>
    <message>
        <source>The data source is chosen by VANTREL_SOURCE: linux (default), demo, sim:FILE or none.</source>
        <translation>La fuente de datos se elige con VANTREL_SOURCE: linux (predeterminada), demo, sim:FILE o none.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 no dial-up networking or no statistics, 2 bad command line or source.</source>
        <translation>Estado de salida: 0 hecho, 1 sin acceso telefónico o sin estadísticas, 2 línea de órdenes o fuente incorrecta.</translation>
    </message>
</context>
<context>
    <name>vantrel-reg</name>
    <message>
        <source>usage: vantrel-reg COMMAND [ARGUMENTS]</source>
        <translation>uso: vantrel-reg COMMAND [ARGUMENTS]</translation>
    </message>
    <message>
        <source>subkeys (ending in \) and values of KEY; the roots without KEY</source>
        <translation>subclaves (terminadas en \) y valores de KEY; sin KEY, las raíces</translation>
    </message>
    <message>
        <source>the value&apos;s data</source>
        <translation>los datos del valor</translation>
    </message>
    <message>
        <source>set a text value (REG_SZ)</source>
        <translation>establecer un valor de texto (REG_SZ)</translation>
    </message>
    <message>
        <source>set a REG_EXPAND_SZ value</source>
        <translation>establecer un valor REG_EXPAND_SZ</translation>
    </message>
    <message>
        <source>set a 32-bit value (decimal, or hexadecimal with 0x)</source>
        <translation>establecer un valor de 32 bits (decimal, o hexadecimal con 0x)</translation>
    </message>
    <message>
        <source>set a REG_BINARY value (&quot;01,02,ff&quot; or &quot;0102ff&quot;)</source>
        <translation>establecer un valor REG_BINARY (&quot;01,02,ff&quot; o &quot;0102ff&quot;)</translation>
    </message>
    <message>
        <source>delete a value</source>
        <translation>eliminar un valor</translation>
    </message>
    <message>
        <source>write KEY and everything below it as REGEDIT4 text</source>
        <translation>escribir KEY y todo lo que hay debajo como texto REGEDIT4</translation>
    </message>
    <message>
        <source>apply a REGEDIT4 file (- reads standard input) as a whole:
checked first, then applied in one transaction</source>
        <translation>aplicar todo un archivo REGEDIT4 (- lee entrada estándar):
se comprueba primero y luego se aplica en una transacción</translation>
    </message>
    <message>
        <source>KEY is a full key name, for example</source>
        <translation>KEY es un nombre de clave completo, por ejemplo</translation>
    </message>
    <message>
        <source>(HKCU, HKLM, HKCR, HKU and HKCC stand for their roots). NAME @ is the key&apos;s default value.
The registry is kept in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (folder 0700, files 0600).
Key names are at most 255 characters, value names 16383, keys at most 512 levels deep; names
cannot hold line breaks or NUL characters. Imports are regular files of at most 16 MiB.</source>
        <translation>(HKCU, HKLM, HKCR, HKU y HKCC representan las raíces.) NAME @ es el valor predeterminado de la
clave. El registro se guarda en $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (carpeta 0700, archivos
0600). Nombres de clave: hasta 255 caracteres; de valor: hasta 16383; claves: hasta 512 niveles;
los nombres no admiten saltos de línea ni NUL. Se importan archivos normales de hasta 16 MiB.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the registry refused, 2 bad command line or input (nothing changed).</source>
        <translation>Estado de salida: 0 hecho, 1 el registro lo rechazó, 2 línea de órdenes o entrada incorrecta (sin cambios).</translation>
    </message>
</context>
<context>
    <name>vantrel-usage</name>
    <message>
        <source>usage: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                     [--json | --csv | --openmetrics FILE] [--file DATABASE]</source>
        <translation>uso: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                   [--json | --csv | --openmetrics FILE] [--file DATABASE]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>bytes per local day (default; the last 31 days)</source>
        <translation>bytes por día local (predeterminado; los últimos 31 días)</translation>
    </message>
    <message>
        <source>bytes per month (the last 12 months)</source>
        <translation>bytes por mes (los últimos 12 meses)</translation>
    </message>
    <message>
        <source>bytes per year (all of the history)</source>
        <translation>bytes por año (todo el historial)</translation>
    </message>
    <message>
        <source>one line per connection (the last 31 days)</source>
        <translation>una línea por conexión (los últimos 31 días)</translation>
    </message>
    <message>
        <source>each data plan: its limit, what counts, the billing cycle holding today (or the
--to date), the bytes used in it, the percentage of the limit and the days left</source>
        <translation>cada plan de datos: su límite, qué cuenta, el ciclo de facturación que contiene hoy (o la
fecha de --to), los bytes usados en él, el porcentaje del límite y los días que quedan</translation>
    </message>
    <message>
        <source>adds the connections of the monitor&apos;s CSV log FILE that the history lacks</source>
        <translation>añade las conexiones del registro CSV FILE del monitor que faltan en el historial</translation>
    </message>
    <message>
        <source>one entry name only (default: all, added up); with plan, the plan that
applies to that entry name</source>
        <translation>solo un nombre de conexión (predeterminado: todos, sumados); con plan, el plan
que se aplica a ese nombre de conexión</translation>
    </message>
    <message>
        <source>from this local date (YYYY-MM-DD) on</source>
        <translation>desde esta fecha local (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>up to and including this local date</source>
        <translation>hasta esta fecha local incluida</translation>
    </message>
    <message>
        <source>JSON instead of aligned text</source>
        <translation>JSON en lugar de texto alineado</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>valores separados por comas con una línea de cabecera</translation>
    </message>
    <message>
        <source>write the totals per entry name in the Prometheus text format to FILE,
replacing it in one step (for node_exporter&apos;s textfile collector)</source>
        <translation>escribir en FILE los totales por nombre de conexión en formato Prometheus,
sustituyéndolo de una vez (para el recolector textfile de node_exporter)</translation>
    </message>
    <message>
        <source>another history (default: $XDG_DATA_HOME/vantrel/usage.sqlite3)</source>
        <translation>otro historial (predeterminado: $XDG_DATA_HOME/vantrel/usage.sqlite3)</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the history is missing or cannot be read, 2 bad command line.</source>
        <translation>Estado de salida: 0 hecho, 1 falta el historial o no se puede leer, 2 línea de órdenes incorrecta.</translation>
    </message>
</context>
</TS>
