<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AntiIdle</name>
    <message>
        <source>%1 - Anti Idle %2 bytes</source>
        <translation>%1 - Verbindung gehalten, %2 Bytes</translation>
    </message>
</context>
<context>
    <name>ConnectionChooser</name>
    <message>
        <source>Point-to-point links, mobile broadband, VPN and PPPoE connections are always watched.
Check any other interface to watch it as a connection.</source>
        <translation>Punkt-zu-Punkt-Verbindungen, mobiles Breitband, VPN- und PPPoE-Verbindungen werden immer überwacht.
Markieren Sie weitere Schnittstellen, um sie als Verbindung zu überwachen.</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adressen</translation>
    </message>
    <message>
        <source>Other names or patterns (comma-separated):</source>
        <translation>Weitere Namen oder Muster (durch Kommas getrennt):</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Watched always</source>
        <translation>Wird immer überwacht</translation>
    </message>
    <message>
        <source>point-to-point</source>
        <translation>Punkt-zu-Punkt</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>Tunnel</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
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
        <translation>verbunden</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>wird verbunden</translation>
    </message>
    <message>
        <source>down</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>up</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>no carrier</source>
        <translation>Kabel nicht angeschlossen</translation>
    </message>
    <message>
        <source>Vantrel - Connections</source>
        <translation>Vantrel - Verbindungen</translation>
    </message>
    <message>
        <source>Vantrel is watching a simulated machine, not this one:
VANTREL_SOURCE=%1
Its connections come from the simulation: there are no interfaces to choose here.
Start Vantrel without VANTREL_SOURCE to choose among this machine&apos;s interfaces.</source>
        <translation>Vantrel beobachtet eine simulierte Maschine, nicht diese:
VANTREL_SOURCE=%1
Ihre Verbindungen kommen aus der Simulation: Hier gibt es keine Schnittstellen zur Auswahl.
Starten Sie Vantrel ohne VANTREL_SOURCE, um unter den Schnittstellen dieser Maschine zu wählen.</translation>
    </message>
</context>
<context>
    <name>ConnectionLogFile</name>
    <message>
        <source>is a symbolic link</source>
        <translation>ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>Log file: %1 %2; using %3</source>
        <translation>Protokolldatei: %1 %2; %3 wird verwendet</translation>
    </message>
    <message>
        <source>Log file: %1 cannot be written; using %2</source>
        <translation>Protokolldatei: In %1 kann nicht geschrieben werden; %2 wird verwendet</translation>
    </message>
    <message>
        <source>Log file %1 not written: %2</source>
        <translation>Protokolldatei %1 nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>sie ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>sie hat weitere Namen (harte Verknüpfungen)</translation>
    </message>
</context>
<context>
    <name>ConnectionMonitor</name>
    <message>
        <source>RAS is not installed.</source>
        <translation>RAS ist nicht installiert.</translation>
    </message>
    <message>
        <source>No Performance Statistics Available.</source>
        <translation>Keine Leistungsstatistik verfügbar.</translation>
    </message>
    <message>
        <source>Stored %1 &quot;%2&quot; is not a number; using 0.</source>
        <translation>Gespeicherter Wert %1 „%2“ ist keine Zahl; 0 wird verwendet.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 verbunden.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 getrennt.</translation>
    </message>
    <message>
        <source>Reset total connection statistic.</source>
        <translation>Gesamtstatistik der Verbindungen zurückgesetzt.</translation>
    </message>
    <message>
        <source>No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another interface, choose it with &quot;%1&quot; in the popup menu.</source>
        <translation>Keine Wählverbindung (PPP, Mobilfunk, VPN) ist aktiv. Um eine andere Schnittstelle zu beobachten, wählen Sie sie mit „%1“ im Kontextmenü.</translation>
    </message>
</context>
<context>
    <name>DataPlan</name>
    <message>
        <source>all connections</source>
        <translation>alle Verbindungen</translation>
    </message>
    <message>
        <source>Data plan of %1: %2% reached (%3).</source>
        <translation>Datentarif für %1: %2&#xa0;% erreicht (%3).</translation>
    </message>
    <message>
        <source>Data plan: %1% reached</source>
        <translation>Datentarif: %1&#xa0;% erreicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: write a number and a unit, such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>„%1“ ist kein Datenlimit: Geben Sie eine Zahl und eine Einheit ein, z. B. 500 MB, 5 GB oder 2.5 GiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: the unit &quot;%2&quot; is not one of %3</source>
        <translation>„%1“ ist kein Datenlimit: Die Einheit „%2“ ist keine von %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large a data limit</source>
        <translation>„%1“ ist ein zu großes Datenlimit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: it must be at least one byte</source>
        <translation>„%1“ ist kein Datenlimit: Es muss mindestens ein Byte betragen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: the day of the month is 1 to 31</source>
        <translation>„%1“ ist kein Abrechnungszeitraum: Der Tag des Monats ist 1 bis 31</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: a cycle is 1 to %2 days long</source>
        <translation>„%1“ ist kein Abrechnungszeitraum: Ein Zeitraum ist 1 bis %2 Tage lang</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: %2 is not a date</source>
        <translation>„%1“ ist kein Abrechnungszeitraum: %2 ist kein Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: write &quot;monthly 15&quot; or &quot;every 30 days from 2026-01-15&quot;</source>
        <translation>„%1“ ist kein Abrechnungszeitraum: Schreiben Sie &quot;monthly 15&quot; oder &quot;every 30 days from 2026-01-15&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of warning thresholds: &quot;%2&quot; is not a percentage from 1 to %3</source>
        <translation>„%1“ ist keine Liste von Warnschwellen: „%2“ ist kein Prozentwert von 1 bis %3</translation>
    </message>
    <message>
        <source>1 day left</source>
        <translation>noch 1 Tag</translation>
    </message>
    <message>
        <source>%1 days left</source>
        <translation>noch %1 Tage</translation>
    </message>
    <message>
        <source>%1 of %2 %3, %4%, %5</source>
        <translation>%1 von %2 %3, %4&#xa0;%, %5</translation>
    </message>
    <message>
        <source>Data plan %1\%2 not used: %3</source>
        <translation>Datentarif %1\%2 nicht verwendet: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;both&quot; nor &quot;download&quot;</source>
        <translation>„%1“ ist weder &quot;both&quot; noch &quot;download&quot;</translation>
    </message>
    <message>
        <source>A data plan needs a limit and at least one warning threshold</source>
        <translation>Ein Datentarif braucht ein Limit und mindestens eine Warnschwelle</translation>
    </message>
    <message>
        <source>The entry name &quot;%1&quot; is too long for a data plan of its own</source>
        <translation>Der Verbindungsname „%1“ ist zu lang für einen eigenen Datentarif</translation>
    </message>
    <message>
        <source>Data plans count from now on: %1</source>
        <translation>Datentarife zählen ab jetzt: %1</translation>
    </message>
</context>
<context>
    <name>DataPlanForm</name>
    <message>
        <source>Plan for:</source>
        <translation>Tarif für:</translation>
    </message>
    <message>
        <source>such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>z. B. 500 MB, 5 GB oder 2.5 GiB</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Sent and received</source>
        <translation>Gesendet und empfangen</translation>
    </message>
    <message>
        <source>Received only</source>
        <translation>Nur empfangen</translation>
    </message>
    <message>
        <source>Counts:</source>
        <translation>Gezählt:</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Every number of days</source>
        <translation>Alle n Tage</translation>
    </message>
    <message>
        <source>Billing cycle:</source>
        <translation>Abrechnungszeitraum:</translation>
    </message>
    <message>
        <source>starts on day</source>
        <translation>beginnt am Tag</translation>
    </message>
    <message>
        <source>every</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>days from</source>
        <translation>Tage ab</translation>
    </message>
    <message>
        <source>Warn at (%):</source>
        <translation>Warnen bei (%):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear Plan</source>
        <translation>Tarif löschen</translation>
    </message>
    <message>
        <source>This connection: %1</source>
        <translation>Diese Verbindung: %1</translation>
    </message>
    <message>
        <source>All connections</source>
        <translation>Alle Verbindungen</translation>
    </message>
    <message>
        <source>No data plan is set here.</source>
        <translation>Hier ist kein Datentarif festgelegt.</translation>
    </message>
    <message>
        <source>Enter a limit, such as 5 GB.</source>
        <translation>Geben Sie ein Limit ein, z. B. 5 GB.</translation>
    </message>
    <message>
        <source>Saved: %1 a cycle.</source>
        <translation>Gespeichert: %1 pro Abrechnungszeitraum.</translation>
    </message>
    <message>
        <source>The data plan is cleared.</source>
        <translation>Der Datentarif ist gelöscht.</translation>
    </message>
    <message>
        <source>The data plan has changes that are not saved. Save them?</source>
        <translation>Der Datentarif hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>Vantrel - Data Plan</source>
        <translation>Vantrel - Datentarif</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error in %1: %2</source>
        <translation>Fehler in %1: %2</translation>
    </message>
</context>
<context>
    <name>NetworkManagerReason</name>
    <message>
        <source>The device could not be readied for configuration</source>
        <translation>Das Gerät konnte nicht für die Konfiguration vorbereitet werden</translation>
    </message>
    <message>
        <source>The IP configuration is no longer valid</source>
        <translation>Die IP-Konfiguration ist nicht mehr gültig</translation>
    </message>
    <message>
        <source>The 802.1X supplicant disconnected</source>
        <translation>Der 802.1X-Supplicant hat die Verbindung getrennt</translation>
    </message>
    <message>
        <source>The 802.1X supplicant configuration failed</source>
        <translation>Die Konfiguration des 802.1X-Supplicants ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The 802.1X supplicant failed</source>
        <translation>Der 802.1X-Supplicant ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The 802.1X supplicant took too long to authenticate</source>
        <translation>Der 802.1X-Supplicant hat zu lange für die Authentifizierung gebraucht</translation>
    </message>
    <message>
        <source>The PPP service failed to start</source>
        <translation>Der PPP-Dienst konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The DHCP client failed to start</source>
        <translation>Der DHCP-Client konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>DHCP client error</source>
        <translation>Fehler des DHCP-Clients</translation>
    </message>
    <message>
        <source>The shared connection service failed to start</source>
        <translation>Der Dienst für gemeinsam genutzte Verbindungen konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The shared connection service failed</source>
        <translation>Der Dienst für gemeinsam genutzte Verbindungen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The AutoIP service failed to start</source>
        <translation>Der AutoIP-Dienst konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>AutoIP service error</source>
        <translation>Fehler des AutoIP-Dienstes</translation>
    </message>
    <message>
        <source>The AutoIP service failed</source>
        <translation>Der AutoIP-Dienst ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The dialing attempt failed</source>
        <translation>Der Wählversuch ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Modem initialization failed</source>
        <translation>Die Initialisierung des Modems ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to select the specified APN</source>
        <translation>Der angegebene APN konnte nicht ausgewählt werden</translation>
    </message>
    <message>
        <source>Not searching for mobile networks</source>
        <translation>Es wird nicht nach Mobilfunknetzen gesucht</translation>
    </message>
    <message>
        <source>Mobile network registration denied</source>
        <translation>Die Anmeldung im Mobilfunknetz wurde verweigert</translation>
    </message>
    <message>
        <source>Mobile network registration timed out</source>
        <translation>Zeitüberschreitung bei der Anmeldung im Mobilfunknetz</translation>
    </message>
    <message>
        <source>Failed to register with the requested mobile network</source>
        <translation>Die Anmeldung im gewünschten Mobilfunknetz ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The PIN check failed</source>
        <translation>Die PIN-Prüfung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Necessary firmware for the device may be missing</source>
        <translation>Möglicherweise fehlt die nötige Firmware für das Gerät</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep</source>
        <translation>NetworkManager wurde in den Ruhezustand versetzt</translation>
    </message>
    <message>
        <source>The device&apos;s active connection disappeared</source>
        <translation>Die aktive Verbindung des Geräts ist verschwunden</translation>
    </message>
    <message>
        <source>The carrier changed</source>
        <translation>Der Trägerstatus hat sich geändert</translation>
    </message>
    <message>
        <source>The modem could not be found</source>
        <translation>Das Modem wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed or timed out</source>
        <translation>Die Bluetooth-Verbindung ist fehlgeschlagen oder hat das Zeitlimit überschritten</translation>
    </message>
    <message>
        <source>The SIM card is not inserted</source>
        <translation>Die SIM-Karte ist nicht eingelegt</translation>
    </message>
    <message>
        <source>The SIM PIN is required</source>
        <translation>Die PIN der SIM-Karte wird benötigt</translation>
    </message>
    <message>
        <source>The SIM PUK is required</source>
        <translation>Die PUK der SIM-Karte wird benötigt</translation>
    </message>
    <message>
        <source>The SIM card is wrong</source>
        <translation>Die SIM-Karte ist falsch</translation>
    </message>
    <message>
        <source>A dependency of the connection failed</source>
        <translation>Eine Abhängigkeit der Verbindung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>ModemManager is not running</source>
        <translation>ModemManager läuft nicht</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found</source>
        <translation>Das WLAN wurde nicht gefunden</translation>
    </message>
    <message>
        <source>A secondary connection of the base connection failed</source>
        <translation>Eine sekundäre Verbindung der Basisverbindung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The SIM PIN is incorrect</source>
        <translation>Die PIN der SIM-Karte ist falsch</translation>
    </message>
    <message>
        <source>A new activation was enqueued</source>
        <translation>Eine neue Aktivierung wurde eingereiht</translation>
    </message>
    <message>
        <source>The IP address is in use by another host</source>
        <translation>Die IP-Adresse wird von einem anderen Rechner verwendet</translation>
    </message>
    <message>
        <source>The IP method is not supported</source>
        <translation>Die IP-Methode wird nicht unterstützt</translation>
    </message>
    <message>
        <source>The peer could not be found</source>
        <translation>Die Gegenstelle wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>PlatformWarning</name>
    <message>
        <source>start-up command %1 cannot be written as an autostart entry</source>
        <translation>Startbefehl %1 kann nicht als Autostart-Eintrag geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1</source>
        <translation>Autostart-Eintrag %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1: %2</source>
        <translation>Autostart-Eintrag %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot remove the autostart entry %1: %2</source>
        <translation>Autostart-Eintrag %1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>registry database %1 cannot be opened: %2; settings are not saved</source>
        <translation>Registrierungsdatenbank %1 kann nicht geöffnet werden: %2; Einstellungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>registry database %1 was written by a newer version; opened read-only</source>
        <translation>Registrierungsdatenbank %1 wurde von einer neueren Version geschrieben; schreibgeschützt geöffnet</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2) and could not be moved aside: %3</source>
        <translation>Registrierungsdatenbank %1 ist beschädigt (%2) und konnte nicht beiseitegelegt werden: %3</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2); moved aside as %3 and replaced by an empty one</source>
        <translation>Registrierungsdatenbank %1 ist beschädigt (%2); als %3 beiseitegelegt und durch eine leere ersetzt</translation>
    </message>
    <message>
        <source>registry database %1 could not be written: %2; settings changed meanwhile are not saved</source>
        <translation>Registrierungsdatenbank %1 konnte nicht geschrieben werden: %2; inzwischen geänderte Einstellungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>registry database %1 can be written again</source>
        <translation>Registrierungsdatenbank %1 kann wieder geschrieben werden</translation>
    </message>
</context>
<context>
    <name>StartupNote</name>
    <message>
        <source>Single-instance lock not taken: %1; a second start would run beside this one.</source>
        <translation>Sperre gegen Mehrfachstart nicht gesetzt: %1; ein zweiter Start würde neben diesem laufen.</translation>
    </message>
    <message>
        <source>Wayland session without XWayland: the monitor window cannot stay on top or keep its place.</source>
        <translation>Wayland-Sitzung ohne XWayland: Das Monitorfenster kann weder im Vordergrund bleiben noch seinen Platz behalten.</translation>
    </message>
    <message>
        <source>Wayland session: running on XWayland, so that the monitor window can stay on top.</source>
        <translation>Wayland-Sitzung: Vantrel läuft unter XWayland, damit das Monitorfenster im Vordergrund bleiben kann.</translation>
    </message>
    <message>
        <source>A second start cannot ask this one to show its window: %1</source>
        <translation>Ein zweiter Start kann dieses Programm nicht bitten, sein Fenster zu zeigen: %1</translation>
    </message>
    <message>
        <source>Another start of Vantrel asked for this window.</source>
        <translation>Ein weiterer Start von Vantrel hat dieses Fenster angefordert.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Vantrel - About</source>
        <translation>Vantrel - Über</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Copy client IP %1 to clipboard.</source>
        <translation>Client-IP %1 in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>  Current Connection  </source>
        <translation>  Aktuelle Verbindung  </translation>
    </message>
    <message>
        <source>  Last Connection  </source>
        <translation>  Letzte Verbindung  </translation>
    </message>
    <message>
        <source>  Total Connection  </source>
        <translation>  Alle Verbindungen  </translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>bits/s</source>
        <translation>Bit/s</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>Gesendet:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Received:</source>
        <translation>Empfangen:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>DNS Server:</source>
        <translation>DNS-Server:</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>Server-IP:</translation>
    </message>
    <message>
        <source>Client IP:</source>
        <translation>Client-IP:</translation>
    </message>
    <message>
        <source>Upload Speed:</source>
        <translation>Senderate:</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>Bytes/s</translation>
    </message>
    <message>
        <source>Download Speed:</source>
        <translation>Empfangsrate:</translation>
    </message>
    <message>
        <source>Double click to copy to clipboard</source>
        <translation>Doppelklicken, um in die Zwischenablage zu kopieren</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Double click to reset stats</source>
        <translation>Doppelklicken, um die Statistik zurückzusetzen</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>In den Systemabschnitt minimieren</translation>
    </message>
    <message>
        <source>Start Minimized</source>
        <translation>Minimiert starten</translation>
    </message>
    <message>
        <source>Load on Startup</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Anti Idle...</source>
        <translation>Verbindung halten...</translation>
    </message>
    <message>
        <source>Sound...</source>
        <translation>Töne...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Verbindungen...</translation>
    </message>
    <message>
        <source>Show Monitor...</source>
        <translation>Monitor anzeigen...</translation>
    </message>
    <message>
        <source>Hide Monitor when Offline</source>
        <translation>Monitor ausblenden, wenn getrennt</translation>
    </message>
    <message>
        <source>Transparent Monitor</source>
        <translation>Transparenter Monitor</translation>
    </message>
    <message>
        <source>Copy IP to Clipboard</source>
        <translation>IP-Adresse in Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Über Vantrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No notification area on this desktop: Vantrel minimises to the taskbar.</source>
        <translation>Diese Arbeitsumgebung hat keinen Benachrichtigungsbereich: Vantrel wird in die Fensterleiste minimiert.</translation>
    </message>
    <message>
        <source>Usage...</source>
        <translation>Datennutzung...</translation>
    </message>
    <message>
        <source>Data Plan...</source>
        <translation>Datentarif...</translation>
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
        <translation>Serielle Schnittstelle wird geöffnet</translation>
    </message>
    <message>
        <source>Serial Port Opened</source>
        <translation>Serielle Schnittstelle geöffnet</translation>
    </message>
    <message>
        <source>Connecting/Dialling</source>
        <translation>Verbindungsaufbau/Wählen</translation>
    </message>
    <message>
        <source>Connected/Answered</source>
        <translation>Verbunden/Angenommen</translation>
    </message>
    <message>
        <source>Connected/Negotiation</source>
        <translation>Verbunden/Aushandlung</translation>
    </message>
    <message>
        <source>Validating User and Password</source>
        <translation>Benutzer und Passwort werden geprüft</translation>
    </message>
    <message>
        <source>Authentication Notification</source>
        <translation>Authentifizierungsmeldung</translation>
    </message>
    <message>
        <source>Authentication Call Back</source>
        <translation>Authentifizierungsrückruf</translation>
    </message>
    <message>
        <source>Projection Started</source>
        <translation>Projektion gestartet</translation>
    </message>
    <message>
        <source>Calculating Link speed</source>
        <translation>Verbindungsgeschwindigkeit wird ermittelt</translation>
    </message>
    <message>
        <source>Authentication acknowledged</source>
        <translation>Authentifizierung bestätigt</translation>
    </message>
    <message>
        <source>Reauthenticating</source>
        <translation>Erneute Authentifizierung</translation>
    </message>
    <message>
        <source>Login Authenticated</source>
        <translation>Anmeldung authentifiziert</translation>
    </message>
    <message>
        <source>Preparing for Callback</source>
        <translation>Rückruf wird vorbereitet</translation>
    </message>
    <message>
        <source>Waiting for Modem Reset</source>
        <translation>Warten auf Modem-Reset</translation>
    </message>
    <message>
        <source>Waiting for Callback</source>
        <translation>Warten auf Rückruf</translation>
    </message>
    <message>
        <source>Projection Completion</source>
        <translation>Projektion abgeschlossen</translation>
    </message>
    <message>
        <source>Start Authentication</source>
        <translation>Authentifizierung beginnt</translation>
    </message>
    <message>
        <source>Callback Complete</source>
        <translation>Rückruf abgeschlossen</translation>
    </message>
    <message>
        <source>Logon to Network</source>
        <translation>Anmeldung am Netzwerk</translation>
    </message>
    <message>
        <source>Extra Channel Connected</source>
        <translation>Zusätzlicher Kanal verbunden</translation>
    </message>
    <message>
        <source>Extra Channel Disconnected</source>
        <translation>Zusätzlicher Kanal getrennt</translation>
    </message>
    <message>
        <source>Interactive Terminal</source>
        <translation>Interaktives Terminal</translation>
    </message>
    <message>
        <source>Retry Authentication</source>
        <translation>Authentifizierung wiederholen</translation>
    </message>
    <message>
        <source>Callback Set By Caller</source>
        <translation>Rückruf vom Anrufer festgelegt</translation>
    </message>
    <message>
        <source>Password Expires</source>
        <translation>Passwort läuft ab</translation>
    </message>
    <message>
        <source>Paused for Authentication</source>
        <translation>Für Authentifizierung angehalten</translation>
    </message>
    <message>
        <source>Connected/Online</source>
        <translation>Verbunden/Online</translation>
    </message>
    <message>
        <source>Disconnected/Offline</source>
        <translation>Getrennt/Offline</translation>
    </message>
    <message>
        <source>Unknown DUN Version</source>
        <translation>Unbekannte DFÜ-Version</translation>
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
        <translation>Unbekannter Status (%1)</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Device Connecting/Dialling</source>
        <translation>Gerät verbindet/wählt</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>TRasPer</name>
    <message>
        <source>Unable to Read Registry Key - %1/%2</source>
        <translation>Registrierungsschlüssel kann nicht gelesen werden - %1/%2</translation>
    </message>
    <message>
        <source>Unable to Locate Win9x Dial-Up Adapter</source>
        <translation>Win9x-DFÜ-Adapter nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to Find Performance Data Helper Library (PDH.DLL)</source>
        <translation>Bibliothek für Leistungsdaten (PDH.DLL) nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to Initialise Performance Data Helper Library (PDH.DLL), ErrCode 0%1</source>
        <translation>Bibliothek für Leistungsdaten (PDH.DLL) kann nicht initialisiert werden, Fehlercode 0%1</translation>
    </message>
    <message>
        <source>Unable to Open Registry Key - %1</source>
        <translation>Registrierungsschlüssel kann nicht geöffnet werden - %1</translation>
    </message>
    <message>
        <source>No Performance Data Returned for Object - %1</source>
        <translation>Keine Leistungsdaten für Objekt erhalten - %1</translation>
    </message>
    <message>
        <source>No Performance Object Blocks Found for - %1</source>
        <translation>Keine Leistungsobjektblöcke gefunden für - %1</translation>
    </message>
</context>
<context>
    <name>ToolHelp</name>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
</context>
<context>
    <name>UsageChart</name>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Used in cycle</source>
        <translation>Im Zeitraum verbraucht</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>%1: %2 sent, %3 received</source>
        <translation>%1: %2 gesendet, %3 empfangen</translation>
    </message>
</context>
<context>
    <name>UsageConnectionsModel</name>
    <message>
        <source>%1 (up)</source>
        <translation>%1 (läuft)</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adressen</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>%1; monitoring goes on</source>
        <translation>%1; die Überwachung läuft weiter</translation>
    </message>
    <message>
        <source>usage history %1: cannot be written: %2</source>
        <translation>Nutzungsverlauf %1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>usage history %1: cannot be read: %2</source>
        <translation>Nutzungsverlauf %1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>usage history %1: no such file (nothing recorded yet)</source>
        <translation>Nutzungsverlauf %1: Datei nicht vorhanden (bisher nichts aufgezeichnet)</translation>
    </message>
    <message>
        <source>usage history %1 was damaged; moved aside as %2 and started afresh</source>
        <translation>Nutzungsverlauf %1 war beschädigt; als %2 beiseitegelegt und neu begonnen</translation>
    </message>
    <message>
        <source>usage history %1: written by a newer version; not recorded</source>
        <translation>Nutzungsverlauf %1: von einer neueren Version geschrieben; es wird nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>usage history %1: cannot be opened: %2</source>
        <translation>Nutzungsverlauf %1: kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>usage history %1: not open</source>
        <translation>Nutzungsverlauf %1: nicht geöffnet</translation>
    </message>
    <message>
        <source>usage history %1: cannot be compacted: %2</source>
        <translation>Nutzungsverlauf %1: kann nicht verdichtet werden: %2</translation>
    </message>
    <message>
        <source>usage history %1 was removed or moved; a new one is started</source>
        <translation>Nutzungsverlauf %1 wurde entfernt oder verschoben; ein neuer wird begonnen</translation>
    </message>
</context>
<context>
    <name>UsageTexts</name>
    <message>
        <source>%1 %2</source>
        <comment>a month&apos;s name as it stands alone, and its year</comment>
        <translation>%1 %2</translation>
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
        <translation>Vantrel - Datennutzung</translation>
    </message>
    <message>
        <source>Monthly usage, the last twelve months</source>
        <translation>Monatliche Nutzung der letzten zwölf Monate</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Daily Usage...</source>
        <translation>Tägliche Nutzung...</translation>
    </message>
    <message>
        <source>Monthly Usage...</source>
        <translation>Monatliche Nutzung...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Verbindungen...</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet.</source>
        <translation>Bisher wurde nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>Daily usage, the cycle from %1 to %2</source>
        <translation>Tägliche Nutzung, Abrechnungszeitraum vom %1 bis %2</translation>
    </message>
    <message>
        <source>Daily usage, %1</source>
        <translation>Tägliche Nutzung, %1</translation>
    </message>
    <message>
        <source>At this rate: %1 by %2</source>
        <translation>Bei diesem Tempo: %1 bis %2</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, 1 day left</source>
        <translation>%1 von %2 verbraucht, %3&#xa0;%, noch 1 Tag</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, %4 days left</source>
        <translation>%1 von %2 verbraucht, %3&#xa0;%, noch %4 Tage</translation>
    </message>
    <message>
        <source>This month: %1 (%2 sent, %3 received); last month: %4</source>
        <translation>Dieser Monat: %1 (%2 gesendet, %3 empfangen); letzter Monat: %4</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>the format of the cycle&apos;s last day</comment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>Previous cycle</source>
        <translation>Voriger Zeitraum</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next cycle</source>
        <translation>Nächster Zeitraum</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for all connections</source>
        <translation>Abrechnungszeiträume des Tarifs für alle Verbindungen</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for %1</source>
        <translation>Abrechnungszeiträume des Tarifs für %1</translation>
    </message>
    <message>
        <source>Calendar months of all connections</source>
        <translation>Kalendermonate aller Verbindungen</translation>
    </message>
    <message>
        <source>Calendar months of %1</source>
        <translation>Kalendermonate von %1</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%</source>
        <translation>%1 von %2 verbraucht, %3&#xa0;%</translation>
    </message>
    <message>
        <source>Nothing left for the days remaining</source>
        <translation>Für die verbleibenden Tage bleibt nichts</translation>
    </message>
    <message>
        <source>Left for the last day: %1</source>
        <translation>Übrig für den letzten Tag: %1</translation>
    </message>
    <message>
        <source>Left per remaining day: %1</source>
        <translation>Übrig je verbleibendem Tag: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 sent, %4 received)</source>
        <translation>%1: %2 (%3 gesendet, %4 empfangen)</translation>
    </message>
</context>
<context>
    <name>WinMessages</name>
    <message>
        <source>An operation is pending.</source>
        <translation>Ein Vorgang steht aus.</translation>
    </message>
    <message>
        <source>The port handle is invalid.</source>
        <translation>Das Anschlusshandle ist ungültig.</translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation>Der Anschluss ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>Caller&apos;s buffer is too small.</source>
        <translation>Der Puffer des Aufrufers ist zu klein.</translation>
    </message>
    <message>
        <source>Wrong information specified.</source>
        <translation>Es wurden falsche Informationen angegeben.</translation>
    </message>
    <message>
        <source>Cannot set port information.</source>
        <translation>Die Anschlussinformationen können nicht festgelegt werden.</translation>
    </message>
    <message>
        <source>The port is not connected.</source>
        <translation>Der Anschluss ist nicht verbunden.</translation>
    </message>
    <message>
        <source>The event is invalid.</source>
        <translation>Das Ereignis ist ungültig.</translation>
    </message>
    <message>
        <source>The device does not exist.</source>
        <translation>Das Gerät ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The device type does not exist.</source>
        <translation>Der Gerätetyp ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The buffer is invalid.</source>
        <translation>Der Puffer ist ungültig.</translation>
    </message>
    <message>
        <source>The route is not available.</source>
        <translation>Die Route ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The route is not allocated.</source>
        <translation>Die Route ist nicht zugeordnet.</translation>
    </message>
    <message>
        <source>Invalid compression specified.</source>
        <translation>Es wurde eine ungültige Komprimierung angegeben.</translation>
    </message>
    <message>
        <source>Out of buffers.</source>
        <translation>Keine Puffer mehr verfügbar.</translation>
    </message>
    <message>
        <source>The port was not found.</source>
        <translation>Der Anschluss wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>An asynchronous request is pending.</source>
        <translation>Eine asynchrone Anforderung steht aus.</translation>
    </message>
    <message>
        <source>The port or device is already disconnecting.</source>
        <translation>Der Anschluss oder das Gerät wird bereits getrennt.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Der Anschluss ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The port is disconnected.</source>
        <translation>Der Anschluss ist getrennt.</translation>
    </message>
    <message>
        <source>There are no endpoints.</source>
        <translation>Es sind keine Endpunkte vorhanden.</translation>
    </message>
    <message>
        <source>Cannot open the phone book file.</source>
        <translation>Die Telefonbuchdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot load the phone book file.</source>
        <translation>Die Telefonbuchdatei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Cannot find the phone book entry.</source>
        <translation>Der Telefonbucheintrag wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot write the phone book file.</source>
        <translation>Die Telefonbuchdatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Invalid information found in the phone book file.</source>
        <translation>In der Telefonbuchdatei wurden ungültige Informationen gefunden.</translation>
    </message>
    <message>
        <source>Cannot load a string.</source>
        <translation>Eine Zeichenfolge kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Cannot find key.</source>
        <translation>Der Schlüssel wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The port was disconnected.</source>
        <translation>Der Anschluss wurde getrennt.</translation>
    </message>
    <message>
        <source>The port was disconnected by the remote machine.</source>
        <translation>Der Anschluss wurde vom Remotecomputer getrennt.</translation>
    </message>
    <message>
        <source>The port was disconnected due to hardware failure.</source>
        <translation>Der Anschluss wurde wegen eines Hardwarefehlers getrennt.</translation>
    </message>
    <message>
        <source>The port was disconnected by the user.</source>
        <translation>Der Anschluss wurde vom Benutzer getrennt.</translation>
    </message>
    <message>
        <source>The structure size is incorrect.</source>
        <translation>Die Strukturgröße ist falsch.</translation>
    </message>
    <message>
        <source>The port is already in use or is not configured for Remote Access dial out.</source>
        <translation>Der Anschluss wird bereits verwendet oder ist nicht für ausgehende Wählverbindungen über Remotezugriff konfiguriert.</translation>
    </message>
    <message>
        <source>Cannot register your computer on the remote network.</source>
        <translation>Der Computer kann nicht im Remotenetzwerk registriert werden.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>The wrong device is attached to the port.</source>
        <translation>An den Anschluss ist das falsche Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>The string could not be converted.</source>
        <translation>Die Zeichenfolge konnte nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>Das Zeitlimit für die Anforderung wurde überschritten.</translation>
    </message>
    <message>
        <source>Internal authentication error.</source>
        <translation>Interner Authentifizierungsfehler.</translation>
    </message>
    <message>
        <source>The account is not permitted to log on at this time of day.</source>
        <translation>Das Konto darf sich zu dieser Tageszeit nicht anmelden.</translation>
    </message>
    <message>
        <source>The account is disabled.</source>
        <translation>Das Konto ist deaktiviert.</translation>
    </message>
    <message>
        <source>The password has expired.</source>
        <translation>Das Kennwort ist abgelaufen.</translation>
    </message>
    <message>
        <source>The account does not have Remote Access permission.</source>
        <translation>Das Konto hat keine Berechtigung für den Remotezugriff.</translation>
    </message>
    <message>
        <source>The Remote Access server is not responding.</source>
        <translation>Der Remotezugriffsserver antwortet nicht.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) has reported an error.</source>
        <translation>Das Modem (oder ein anderes Verbindungsgerät) hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Unrecognized response from the device.</source>
        <translation>Nicht erkannte Antwort vom Gerät.</translation>
    </message>
    <message>
        <source>A macro required by the device was not found in the device .INF file section.</source>
        <translation>Ein vom Gerät benötigtes Makro wurde im Abschnitt der Geräte-.INF-Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>The &lt;message&gt; macro was not found in the device .INF file section.</source>
        <translation>Das Makro &lt;message&gt; wurde im Abschnitt der Geräte-.INF-Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>The &lt;defaultoff&gt; macro in the device .INF file section contains an undefined macro.</source>
        <translation>Das Makro &lt;defaultoff&gt; im Abschnitt der Geräte-.INF-Datei enthält ein nicht definiertes Makro.</translation>
    </message>
    <message>
        <source>The device .INF file could not be opened.</source>
        <translation>Die Geräte-.INF-Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The device name in the device .INF or media .INI file is too long.</source>
        <translation>Der Gerätename in der Geräte-.INF- oder Medien-.INI-Datei ist zu lang.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device name.</source>
        <translation>Die Medien-.INI-Datei verweist auf einen unbekannten Gerätenamen.</translation>
    </message>
    <message>
        <source>The device .INF file contains no responses for the command.</source>
        <translation>Die Geräte-.INF-Datei enthält keine Antworten für den Befehl.</translation>
    </message>
    <message>
        <source>The device .INF file is missing a command.</source>
        <translation>In der Geräte-.INF-Datei fehlt ein Befehl.</translation>
    </message>
    <message>
        <source>Attempted to set a macro not listed in device .INF file section.</source>
        <translation>Es wurde versucht, ein Makro festzulegen, das im Abschnitt der Geräte-.INF-Datei nicht aufgeführt ist.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device type.</source>
        <translation>Die Medien-.INI-Datei verweist auf einen unbekannten Gerätetyp.</translation>
    </message>
    <message>
        <source>Cannot allocate memory.</source>
        <translation>Es kann kein Speicher zugeordnet werden.</translation>
    </message>
    <message>
        <source>The port is not configured for Remote Access.</source>
        <translation>Der Anschluss ist nicht für den Remotezugriff konfiguriert.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) is not functioning.</source>
        <translation>Das Modem (oder ein anderes Verbindungsgerät) funktioniert nicht.</translation>
    </message>
    <message>
        <source>Cannot read the media .INI file.</source>
        <translation>Die Medien-.INI-Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The connection dropped.</source>
        <translation>Die Verbindung wurde unterbrochen.</translation>
    </message>
    <message>
        <source>The usage parameter in the media .INI file is invalid.</source>
        <translation>Der Verwendungsparameter in der Medien-.INI-Datei ist ungültig.</translation>
    </message>
    <message>
        <source>Cannot read the section name from the media .INI file.</source>
        <translation>Der Abschnittsname kann nicht aus der Medien-.INI-Datei gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read the device type from the media .INI file.</source>
        <translation>Der Gerätetyp kann nicht aus der Medien-.INI-Datei gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read the device name from the media .INI file.</source>
        <translation>Der Gerätename kann nicht aus der Medien-.INI-Datei gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read the usage from the media .INI file.</source>
        <translation>Die Verwendung kann nicht aus der Medien-.INI-Datei gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read the maximum connection BPS rate from the media .INI file.</source>
        <translation>Die maximale BPS-Rate der Verbindung kann nicht aus der Medien-.INI-Datei gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read the maximum carrier BPS rate from the media .INI file.</source>
        <translation>Die maximale BPS-Rate des Trägers kann nicht aus der Medien-.INI-Datei gelesen werden.</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>Die Leitung ist besetzt.</translation>
    </message>
    <message>
        <source>A person answered instead of a modem.</source>
        <translation>Statt eines Modems hat eine Person geantwortet.</translation>
    </message>
    <message>
        <source>There is no answer.</source>
        <translation>Keine Antwort.</translation>
    </message>
    <message>
        <source>Cannot detect carrier.</source>
        <translation>Es wurde kein Trägersignal erkannt.</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>Kein Wählton.</translation>
    </message>
    <message>
        <source>General error reported by device.</source>
        <translation>Das Gerät hat einen allgemeinen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Access denied because username and/or password is invalid on the domain.</source>
        <translation>Der Zugriff wurde verweigert, weil der Benutzername und/oder das Kennwort in der Domäne ungültig ist.</translation>
    </message>
    <message>
        <source>Hardware failure in port or attached device.</source>
        <translation>Hardwarefehler im Anschluss oder im angeschlossenen Gerät.</translation>
    </message>
    <message>
        <source>State machines are not started.</source>
        <translation>Die Zustandsautomaten sind nicht gestartet.</translation>
    </message>
    <message>
        <source>State machines are already started.</source>
        <translation>Die Zustandsautomaten sind bereits gestartet.</translation>
    </message>
    <message>
        <source>Response looping did not complete.</source>
        <translation>Die Antwortschleife wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The device response caused buffer overflow.</source>
        <translation>Die Antwort des Geräts hat einen Pufferüberlauf verursacht.</translation>
    </message>
    <message>
        <source>The expanded command in the device .INF file is too long.</source>
        <translation>Der erweiterte Befehl in der Geräte-.INF-Datei ist zu lang.</translation>
    </message>
    <message>
        <source>The device moved to a BPS rate not supported by the COM driver.</source>
        <translation>Das Gerät hat zu einer BPS-Rate gewechselt, die der COM-Treiber nicht unterstützt.</translation>
    </message>
    <message>
        <source>Device response received when none expected.</source>
        <translation>Es wurde eine Geräteantwort empfangen, obwohl keine erwartet wurde.</translation>
    </message>
    <message>
        <source>The connection needs information from you, but the application does not allow user interaction.</source>
        <translation>Die Verbindung benötigt Informationen von Ihnen, aber die Anwendung lässt keine Benutzereingaben zu.</translation>
    </message>
    <message>
        <source>The callback number is invalid.</source>
        <translation>Die Rückrufnummer ist ungültig.</translation>
    </message>
    <message>
        <source>The authorization state is invalid.</source>
        <translation>Der Autorisierungsstatus ist ungültig.</translation>
    </message>
    <message>
        <source>There was an error related to the X.25 protocol.</source>
        <translation>Es ist ein Fehler im Zusammenhang mit dem X.25-Protokoll aufgetreten.</translation>
    </message>
    <message>
        <source>The account has expired.</source>
        <translation>Das Konto ist abgelaufen.</translation>
    </message>
    <message>
        <source>There was an error changing the password on the domain.</source>
        <translation>Beim Ändern des Kennworts in der Domäne ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Serial overrun errors were detected while communicating with your modem.</source>
        <translation>Bei der Kommunikation mit dem Modem wurden serielle Überlauffehler festgestellt.</translation>
    </message>
    <message>
        <source>The Remote Access Service Manager could not start.</source>
        <translation>Der Remotezugriffsdienst-Manager konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The two-way port is initializing.</source>
        <translation>Der bidirektionale Anschluss wird initialisiert.</translation>
    </message>
    <message>
        <source>No active ISDN lines are available.</source>
        <translation>Es sind keine aktiven ISDN-Leitungen verfügbar.</translation>
    </message>
    <message>
        <source>No ISDN channels are available to make the call.</source>
        <translation>Für den Anruf sind keine ISDN-Kanäle verfügbar.</translation>
    </message>
    <message>
        <source>Too many errors occurred because of poor phone line quality.</source>
        <translation>Wegen schlechter Qualität der Telefonleitung sind zu viele Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The Remote Access Service IP configuration is unusable.</source>
        <translation>Die IP-Konfiguration des Remotezugriffsdienstes ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>No IP addresses are available in the static pool of Remote Access Service IP addresses.</source>
        <translation>Im statischen Pool der IP-Adressen des Remotezugriffsdienstes sind keine IP-Adressen verfügbar.</translation>
    </message>
    <message>
        <source>The connection was terminated because the remote computer did not respond in a timely manner.</source>
        <translation>Die Verbindung wurde beendet, weil der Remotecomputer nicht rechtzeitig geantwortet hat.</translation>
    </message>
    <message>
        <source>The connection was terminated by the remote computer.</source>
        <translation>Die Verbindung wurde vom Remotecomputer beendet.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be established. No PPP control protocols configured.</source>
        <translation>Es konnte keine Verbindung mit dem Remotecomputer hergestellt werden. Es sind keine PPP-Steuerungsprotokolle konfiguriert.</translation>
    </message>
    <message>
        <source>The remote computer did not respond.</source>
        <translation>Der Remotecomputer hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Invalid data was received from the remote computer.</source>
        <translation>Vom Remotecomputer wurden ungültige Daten empfangen.</translation>
    </message>
    <message>
        <source>The phone number, including prefix and suffix, is too long.</source>
        <translation>Die Telefonnummer ist einschließlich Präfix und Suffix zu lang.</translation>
    </message>
    <message>
        <source>The IPX protocol cannot be used for dial-out on more than one modem at a time.</source>
        <translation>Das IPX-Protokoll kann nicht für ausgehende Wählverbindungen über mehr als ein Modem gleichzeitig verwendet werden.</translation>
    </message>
    <message>
        <source>The system cannot find an IP adapter.</source>
        <translation>Das System kann keinen IP-Adapter finden.</translation>
    </message>
    <message>
        <source>SLIP cannot be used unless the IP protocol is installed.</source>
        <translation>SLIP kann nur verwendet werden, wenn das IP-Protokoll installiert ist.</translation>
    </message>
    <message>
        <source>Computer registration is not complete.</source>
        <translation>Die Computerregistrierung ist nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The protocol is not configured.</source>
        <translation>Das Protokoll ist nicht konfiguriert.</translation>
    </message>
    <message>
        <source>Your computer and the remote computer could not agree on PPP control protocols.</source>
        <translation>Ihr Computer und der Remotecomputer konnten sich nicht auf PPP-Steuerungsprotokolle einigen.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be completed.</source>
        <translation>Eine Verbindung mit dem Remotecomputer konnte nicht hergestellt werden.</translation>
    </message>
    <message>
        <source>The PPP link control protocol was terminated.</source>
        <translation>Das PPP-Verbindungssteuerungsprotokoll wurde beendet.</translation>
    </message>
    <message>
        <source>The requested address was rejected by the server.</source>
        <translation>Die angeforderte Adresse wurde vom Server abgelehnt.</translation>
    </message>
    <message>
        <source>The remote computer terminated the control protocol.</source>
        <translation>Der Remotecomputer hat das Steuerungsprotokoll beendet.</translation>
    </message>
    <message>
        <source>Loopback was detected.</source>
        <translation>Es wurde ein Loopback erkannt.</translation>
    </message>
    <message>
        <source>The server did not assign an address.</source>
        <translation>Der Server hat keine Adresse zugewiesen.</translation>
    </message>
    <message>
        <source>The authentication protocol required by the remote server cannot use the stored password.</source>
        <translation>Das vom Remoteserver geforderte Authentifizierungsprotokoll kann das gespeicherte Kennwort nicht verwenden.</translation>
    </message>
    <message>
        <source>An invalid dialing rule was detected.</source>
        <translation>Es wurde eine ungültige Wählregel erkannt.</translation>
    </message>
    <message>
        <source>The local computer does not support the required data encryption type.</source>
        <translation>Der lokale Computer unterstützt den erforderlichen Datenverschlüsselungstyp nicht.</translation>
    </message>
    <message>
        <source>The remote computer does not support the required data encryption type.</source>
        <translation>Der Remotecomputer unterstützt den erforderlichen Datenverschlüsselungstyp nicht.</translation>
    </message>
    <message>
        <source>The remote server requires encryption.</source>
        <translation>Der Remoteserver erfordert eine Verschlüsselung.</translation>
    </message>
    <message>
        <source>The callback number contains an invalid character.</source>
        <translation>Die Rückrufnummer enthält ein ungültiges Zeichen.</translation>
    </message>
    <message>
        <source>A syntax error was encountered while processing a script.</source>
        <translation>Beim Verarbeiten eines Skripts ist ein Syntaxfehler aufgetreten.</translation>
    </message>
    <message>
        <source>The connection could not be disconnected because it was created by the multi-protocol router.</source>
        <translation>Die Verbindung konnte nicht getrennt werden, weil sie vom Multiprotokollrouter erstellt wurde.</translation>
    </message>
    <message>
        <source>The system could not find the multi-link bundle.</source>
        <translation>Das System konnte das Multilinkbündel nicht finden.</translation>
    </message>
    <message>
        <source>The remote computer is not reachable.</source>
        <translation>Der Remotecomputer ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The remote computer refused the connection attempt.</source>
        <translation>Der Remotecomputer hat den Verbindungsversuch abgelehnt.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the network is busy.</source>
        <translation>Der Verbindungsversuch ist fehlgeschlagen, weil das Netzwerk ausgelastet ist.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the modem on the remote computer is out of order.</source>
        <translation>Der Verbindungsversuch ist fehlgeschlagen, weil das Modem des Remotecomputers außer Betrieb ist.</translation>
    </message>
    <message>
        <source>It was not possible to verify the identity of the server.</source>
        <translation>Die Identität des Servers konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich beendet.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Unzulässige Funktion.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Das System kann die angegebene Datei nicht finden.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Das System kann den angegebenen Pfad nicht finden.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>Das Handle ist ungültig.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Nicht genügend Speicher verfügbar, um diesen Befehl zu verarbeiten.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Nicht genügend Speicher verfügbar, um diesen Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Ein an das System angeschlossenes Gerät funktioniert nicht.</translation>
    </message>
    <message>
        <source>The request is not supported.</source>
        <translation>Die Anforderung wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Falscher Parameter.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Der Dateiname ist zu lang.</translation>
    </message>
    <message>
        <source>This function is not supported on this system.</source>
        <translation>Diese Funktion wird von diesem System nicht unterstützt.</translation>
    </message>
    <message>
        <source>The data area passed to a system call is too small.</source>
        <translation>Der an einen Systemaufruf übergebene Datenbereich ist zu klein.</translation>
    </message>
    <message>
        <source>The specified module could not be found.</source>
        <translation>Das angegebene Modul wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified procedure could not be found.</source>
        <translation>Die angegebene Prozedur wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>Die angeforderte Ressource wird bereits verwendet.</translation>
    </message>
    <message>
        <source>More data is available.</source>
        <translation>Weitere Daten sind verfügbar.</translation>
    </message>
    <message>
        <source>No more data is available.</source>
        <translation>Es sind keine weiteren Daten verfügbar.</translation>
    </message>
    <message>
        <source>One of the library files needed to run this application cannot be found.</source>
        <translation>Eine der zum Ausführen dieser Anwendung benötigten Bibliotheksdateien wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>monitortexts</name>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Verbindung: %1</translation>
    </message>
    <message>
        <source>Speed: %1 bps</source>
        <translation>Geschwindigkeit: %1 Bit/s</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>Client IP: %1</source>
        <translation>Client-IP: %1</translation>
    </message>
    <message>
        <source>Online: %1</source>
        <translation>Verbunden: %1</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>Getrennt: %1</translation>
    </message>
</context>
<context>
    <name>vantrel-fetch</name>
    <message>
        <source>Fetches URL with the monitor&apos;s HTTP/1.0 client and prints each event on its own line in the
order it is raised, then the response&apos;s status line.</source>
        <translation>Ruft URL mit dem HTTP/1.0-Client des Monitors ab und gibt jedes Ereignis in einer eigenen
Zeile in der Reihenfolge aus, in der es eintritt, danach die Statuszeile der Antwort.</translation>
    </message>
    <message>
        <source>send the request through this HTTP proxy</source>
        <translation>die Anfrage über diesen HTTP-Proxy senden</translation>
    </message>
    <message>
        <source>Basic authorization for the proxy</source>
        <translation>Basic-Autorisierung für den Proxy</translation>
    </message>
    <message>
        <source>connect through a CONNECT tunnel or a SOCKS server</source>
        <translation>über einen CONNECT-Tunnel oder einen SOCKS-Server verbinden</translation>
    </message>
    <message>
        <source>the firewall or SOCKS server</source>
        <translation>die Firewall oder der SOCKS-Server</translation>
    </message>
    <message>
        <source>user (and password) the firewall asks for</source>
        <translation>Benutzer (und Passwort), nach dem die Firewall fragt</translation>
    </message>
    <message>
        <source>give up after S seconds (default: never)</source>
        <translation>nach S Sekunden aufgeben (Standard: nie)</translation>
    </message>
    <message>
        <source>User-Agent header</source>
        <translation>User-Agent-Header</translation>
    </message>
    <message>
        <source>Accept header</source>
        <translation>Accept-Header</translation>
    </message>
    <message>
        <source>send HEAD instead of GET</source>
        <translation>HEAD statt GET senden</translation>
    </message>
    <message>
        <source>send POST with TEXT as body</source>
        <translation>POST mit TEXT als Inhalt senden</translation>
    </message>
    <message>
        <source>usage: vantrel-fetch [OPTIONS] URL</source>
        <translation>Aufruf: vantrel-fetch [OPTIONS] URL</translation>
    </message>
    <message>
        <source>its port (default: 80 for tunnel, 1080 for SOCKS)</source>
        <translation>dessen Port (Standard: 80 für tunnel, 1080 für SOCKS)</translation>
    </message>
    <message>
        <source>which redirects to follow (default: never)</source>
        <translation>welchen Weiterleitungen gefolgt wird (Standard: never)</translation>
    </message>
    <message>
        <source>keep at most N bytes of the body (0: all; default: 4096)</source>
        <translation>höchstens N Bytes des Inhalts behalten (0: alle; Standard: 4096)</translation>
    </message>
    <message>
        <source>also write the body to FILE</source>
        <translation>den Inhalt auch nach FILE schreiben</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the request failed (&quot;code: text&quot; on standard error), 2 bad command line.</source>
        <translation>Beendigungsstatus: 0 erledigt, 1 die Anfrage schlug fehl („code: text“ auf der Standardfehlerausgabe), 2 falsche Befehlszeile.</translation>
    </message>
</context>
<context>
    <name>vantrel-ras</name>
    <message>
        <source>usage: vantrel-ras [--once | --ticks N]</source>
        <translation>Aufruf: vantrel-ras [--once | --ticks N]</translation>
    </message>
    <message>
        <source>Runs the dial-up access layer the way the monitor polls it, once a second of the data source&apos;s
clock, and prints one line per tick: the active connection, its state code and text, device,
addresses, authentication, the traffic counters (bytes sent and received since the connection
came up) and speed, and the DNS servers; on the linux source also where the connection&apos;s name,
type and state come from (NetworkManager or the kernel).</source>
        <translation>Führt die DFÜ-Zugriffsschicht so aus, wie der Monitor sie abfragt, einmal pro Sekunde nach der Uhr
der Datenquelle, und gibt je Takt eine Zeile aus: die aktive Verbindung, ihren Statuscode und -text,
Gerät, Adressen, Authentifizierung, die Datenzähler (seit dem Verbindungsaufbau gesendete und
empfangene Bytes) und Geschwindigkeit sowie die DNS-Server; bei der Quelle linux auch, woher Name,
Typ und Status der Verbindung stammen (NetworkManager oder der Kernel).</translation>
    </message>
    <message>
        <source>one tick, then exit</source>
        <translation>ein Takt, dann beenden</translation>
    </message>
    <message>
        <source>N ticks, then exit (default: until interrupted)</source>
        <translation>N Takte, dann beenden (Standard: bis zur Unterbrechung)</translation>
    </message>
    <message>
        <source>The data source is chosen by VANTREL_SOURCE: linux (default), demo, sim:FILE or none.</source>
        <translation>Die Datenquelle wählt VANTREL_SOURCE: linux (Standard), demo, sim:FILE oder none.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 no dial-up networking or no statistics, 2 bad command line or source.</source>
        <translation>Beendigungsstatus: 0 erledigt, 1 kein DFÜ-Netzwerk oder keine Statistik, 2 falsche Befehlszeile oder Quelle.</translation>
    </message>
</context>
<context>
    <name>vantrel-reg</name>
    <message>
        <source>usage: vantrel-reg COMMAND [ARGUMENTS]</source>
        <translation>Aufruf: vantrel-reg COMMAND [ARGUMENTS]</translation>
    </message>
    <message>
        <source>subkeys (ending in \) and values of KEY; the roots without KEY</source>
        <translation>Unterschlüssel (auf \ endend) und Werte von KEY; ohne KEY die Wurzeln</translation>
    </message>
    <message>
        <source>the value&apos;s data</source>
        <translation>die Daten des Werts</translation>
    </message>
    <message>
        <source>set a text value (REG_SZ)</source>
        <translation>einen Textwert setzen (REG_SZ)</translation>
    </message>
    <message>
        <source>set a REG_EXPAND_SZ value</source>
        <translation>einen REG_EXPAND_SZ-Wert setzen</translation>
    </message>
    <message>
        <source>set a 32-bit value (decimal, or hexadecimal with 0x)</source>
        <translation>einen 32-Bit-Wert setzen (dezimal oder hexadezimal mit 0x)</translation>
    </message>
    <message>
        <source>set a REG_BINARY value (&quot;01,02,ff&quot; or &quot;0102ff&quot;)</source>
        <translation>einen REG_BINARY-Wert setzen („01,02,ff“ oder „0102ff“)</translation>
    </message>
    <message>
        <source>delete a value</source>
        <translation>einen Wert löschen</translation>
    </message>
    <message>
        <source>write KEY and everything below it as REGEDIT4 text</source>
        <translation>KEY und alles darunter als REGEDIT4-Text ausgeben</translation>
    </message>
    <message>
        <source>apply a REGEDIT4 file (- reads standard input) as a whole:
checked first, then applied in one transaction</source>
        <translation>REGEDIT4-Datei (- liest Standardeingabe) als Ganzes anwenden:
erst geprüft, dann in einer Transaktion angewendet</translation>
    </message>
    <message>
        <source>KEY is a full key name, for example</source>
        <translation>KEY ist ein vollständiger Schlüsselname, zum Beispiel</translation>
    </message>
    <message>
        <source>(HKCU, HKLM, HKCR, HKU and HKCC stand for their roots). NAME @ is the key&apos;s default value.
The registry is kept in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (folder 0700, files 0600).
Key names are at most 255 characters, value names 16383, keys at most 512 levels deep; names
cannot hold line breaks or NUL characters. Imports are regular files of at most 16 MiB.</source>
        <translation>(HKCU, HKLM, HKCR, HKU und HKCC sind die Stammschlüssel.) NAME @ steht für den Standardwert.
Die Registrierung liegt in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (Ordner 0700, Dateien 0600).
Schlüsselnamen haben bis zu 255 Zeichen, Wertnamen bis zu 16383, Schlüssel bis zu 512 Ebenen;
Namen enthalten keine Zeilenumbrüche und NUL-Zeichen. Importe sind reguläre Dateien bis 16 MiB.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the registry refused, 2 bad command line or input (nothing changed).</source>
        <translation>Beendigungsstatus: 0 erledigt, 1 die Registrierung hat abgelehnt, 2 falsche Befehlszeile oder Eingabe (nichts geändert).</translation>
    </message>
</context>
<context>
    <name>vantrel-usage</name>
    <message>
        <source>usage: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                     [--json | --csv | --openmetrics FILE] [--file DATABASE]</source>
        <translation>Aufruf: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                      [--json | --csv | --openmetrics FILE] [--file DATABASE]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>bytes per local day (default; the last 31 days)</source>
        <translation>Bytes pro Tag nach Ortszeit (Standard; die letzten 31 Tage)</translation>
    </message>
    <message>
        <source>bytes per month (the last 12 months)</source>
        <translation>Bytes pro Monat (die letzten 12 Monate)</translation>
    </message>
    <message>
        <source>bytes per year (all of the history)</source>
        <translation>Bytes pro Jahr (der ganze Verlauf)</translation>
    </message>
    <message>
        <source>one line per connection (the last 31 days)</source>
        <translation>eine Zeile pro Verbindung (die letzten 31 Tage)</translation>
    </message>
    <message>
        <source>each data plan: its limit, what counts, the billing cycle holding today (or the
--to date), the bytes used in it, the percentage of the limit and the days left</source>
        <translation>jeder Datentarif: Limit, was zählt, der Abrechnungszeitraum mit dem heutigen Tag (oder
dem --to-Datum), die darin verbrauchten Bytes, der Anteil am Limit und die übrigen Tage</translation>
    </message>
    <message>
        <source>adds the connections of the monitor&apos;s CSV log FILE that the history lacks</source>
        <translation>ergänzt den Verlauf um die Verbindungen aus dem CSV-Protokoll FILE des Monitors</translation>
    </message>
    <message>
        <source>one entry name only (default: all, added up); with plan, the plan that
applies to that entry name</source>
        <translation>nur ein Verbindungsname (Standard: alle, zusammengezählt); mit plan der Tarif,
der für diesen Verbindungsnamen gilt</translation>
    </message>
    <message>
        <source>from this local date (YYYY-MM-DD) on</source>
        <translation>ab diesem lokalen Datum (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>up to and including this local date</source>
        <translation>bis einschließlich zu diesem lokalen Datum</translation>
    </message>
    <message>
        <source>JSON instead of aligned text</source>
        <translation>JSON statt ausgerichtetem Text</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>kommagetrennte Werte mit einer Kopfzeile</translation>
    </message>
    <message>
        <source>write the totals per entry name in the Prometheus text format to FILE,
replacing it in one step (for node_exporter&apos;s textfile collector)</source>
        <translation>die Summen je Verbindungsname im Textformat von Prometheus in FILE schreiben,
in einem Schritt ersetzt (für den textfile-Collector von node_exporter)</translation>
    </message>
    <message>
        <source>another history (default: $XDG_DATA_HOME/vantrel/usage.sqlite3)</source>
        <translation>ein anderer Verlauf (Standard: $XDG_DATA_HOME/vantrel/usage.sqlite3)</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the history is missing or cannot be read, 2 bad command line.</source>
        <translation>Beendigungsstatus: 0 erledigt, 1 der Verlauf fehlt oder kann nicht gelesen werden, 2 falsche Befehlszeile.</translation>
    </message>
</context>
</TS>
