<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AntiIdle</name>
    <message>
        <source>%1 - Anti Idle %2 bytes</source>
        <translation>%1 - Anti-inactivité %2 octets</translation>
    </message>
</context>
<context>
    <name>ConnectionChooser</name>
    <message>
        <source>Point-to-point links, mobile broadband, VPN and PPPoE connections are always watched.
Check any other interface to watch it as a connection.</source>
        <translation>Les liaisons point à point, le haut débit mobile, les connexions VPN et PPPoE sont toujours surveillés.
Cochez toute autre interface pour la surveiller comme une connexion.</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <source>Other names or patterns (comma-separated):</source>
        <translation>Autres noms ou motifs (séparés par des virgules)&#xa0;:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Watched always</source>
        <translation>Toujours surveillée</translation>
    </message>
    <message>
        <source>point-to-point</source>
        <translation>point à point</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>modem</source>
        <translation>modem</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>tunnel</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>sans fil</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
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
        <translation>connecté</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connexion en cours</translation>
    </message>
    <message>
        <source>down</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>up</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>no carrier</source>
        <translation>câble débranché</translation>
    </message>
    <message>
        <source>Vantrel - Connections</source>
        <translation>Vantrel - Connexions</translation>
    </message>
    <message>
        <source>Vantrel is watching a simulated machine, not this one:
VANTREL_SOURCE=%1
Its connections come from the simulation: there are no interfaces to choose here.
Start Vantrel without VANTREL_SOURCE to choose among this machine&apos;s interfaces.</source>
        <translation>Vantrel observe une machine simulée, pas celle-ci&#xa0;:
VANTREL_SOURCE=%1
Ses connexions viennent de la simulation&#xa0;: il n’y a pas d’interface à choisir ici.
Démarrez Vantrel sans VANTREL_SOURCE pour choisir parmi les interfaces de cette machine.</translation>
    </message>
</context>
<context>
    <name>ConnectionLogFile</name>
    <message>
        <source>is a symbolic link</source>
        <translation>est un lien symbolique</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>Log file: %1 %2; using %3</source>
        <translation>Fichier journal&#xa0;: %1 %2&#xa0;; utilisation de %3</translation>
    </message>
    <message>
        <source>Log file: %1 cannot be written; using %2</source>
        <translation>Fichier journal&#xa0;: impossible d’écrire dans %1&#xa0;; utilisation de %2</translation>
    </message>
    <message>
        <source>Log file %1 not written: %2</source>
        <translation>Fichier journal %1 non écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>il a d’autres noms (liens physiques)</translation>
    </message>
</context>
<context>
    <name>ConnectionMonitor</name>
    <message>
        <source>RAS is not installed.</source>
        <translation>RAS n’est pas installé.</translation>
    </message>
    <message>
        <source>No Performance Statistics Available.</source>
        <translation>Aucune statistique de performances disponible.</translation>
    </message>
    <message>
        <source>Stored %1 &quot;%2&quot; is not a number; using 0.</source>
        <translation>La valeur enregistrée %1 «&#xa0;%2&#xa0;» n’est pas un nombre&#xa0;; 0 est utilisé.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 connecté.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 déconnecté.</translation>
    </message>
    <message>
        <source>Reset total connection statistic.</source>
        <translation>Statistiques totales des connexions remises à zéro.</translation>
    </message>
    <message>
        <source>No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another interface, choose it with &quot;%1&quot; in the popup menu.</source>
        <translation>Aucune liaison de type accès à distance (PPP, haut débit mobile, VPN) n’est active. Pour observer une autre interface, choisissez-la avec «&#xa0;%1&#xa0;» dans le menu contextuel.</translation>
    </message>
</context>
<context>
    <name>DataPlan</name>
    <message>
        <source>all connections</source>
        <translation>toutes les connexions</translation>
    </message>
    <message>
        <source>Data plan of %1: %2% reached (%3).</source>
        <translation>Forfait de données de %1&#xa0;: %2&#xa0;% atteints (%3).</translation>
    </message>
    <message>
        <source>Data plan: %1% reached</source>
        <translation>Forfait de données&#xa0;: %1&#xa0;% atteints</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: write a number and a unit, such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une limite de données&#xa0;: saisissez un nombre et une unité, par exemple 500 MB, 5 GB ou 2.5 GiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: the unit &quot;%2&quot; is not one of %3</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une limite de données&#xa0;: l’unité «&#xa0;%2&#xa0;» ne fait pas partie de %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large a data limit</source>
        <translation>«&#xa0;%1&#xa0;» est une limite de données trop grande</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: it must be at least one byte</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une limite de données&#xa0;: elle doit être d’au moins un octet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: the day of the month is 1 to 31</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un cycle de facturation&#xa0;: le jour du mois va de 1 à 31</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: a cycle is 1 to %2 days long</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un cycle de facturation&#xa0;: un cycle dure de 1 à %2 jours</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: %2 is not a date</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un cycle de facturation&#xa0;: %2 n’est pas une date</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: write &quot;monthly 15&quot; or &quot;every 30 days from 2026-01-15&quot;</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un cycle de facturation&#xa0;: écrivez &quot;monthly 15&quot; ou &quot;every 30 days from 2026-01-15&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of warning thresholds: &quot;%2&quot; is not a percentage from 1 to %3</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une liste de seuils d’avertissement&#xa0;: «&#xa0;%2&#xa0;» n’est pas un pourcentage de 1 à %3</translation>
    </message>
    <message>
        <source>1 day left</source>
        <translation>1 jour restant</translation>
    </message>
    <message>
        <source>%1 days left</source>
        <translation>%1 jours restants</translation>
    </message>
    <message>
        <source>%1 of %2 %3, %4%, %5</source>
        <translation>%1 sur %2 %3, %4&#xa0;%, %5</translation>
    </message>
    <message>
        <source>Data plan %1\%2 not used: %3</source>
        <translation>Forfait de données %1\%2 non utilisé&#xa0;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;both&quot; nor &quot;download&quot;</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni &quot;both&quot; ni &quot;download&quot;</translation>
    </message>
    <message>
        <source>A data plan needs a limit and at least one warning threshold</source>
        <translation>Un forfait de données nécessite une limite et au moins un seuil d’avertissement</translation>
    </message>
    <message>
        <source>The entry name &quot;%1&quot; is too long for a data plan of its own</source>
        <translation>Le nom de connexion «&#xa0;%1&#xa0;» est trop long pour un forfait de données propre</translation>
    </message>
    <message>
        <source>Data plans count from now on: %1</source>
        <translation>Les forfaits de données comptent à partir de maintenant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DataPlanForm</name>
    <message>
        <source>Plan for:</source>
        <translation>Forfait pour&#xa0;:</translation>
    </message>
    <message>
        <source>such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>par exemple 500 MB, 5 GB ou 2.5 GiB</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limite&#xa0;:</translation>
    </message>
    <message>
        <source>Sent and received</source>
        <translation>Envoyés et reçus</translation>
    </message>
    <message>
        <source>Received only</source>
        <translation>Reçus uniquement</translation>
    </message>
    <message>
        <source>Counts:</source>
        <translation>Décompte&#xa0;:</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Every number of days</source>
        <translation>Tous les n jours</translation>
    </message>
    <message>
        <source>Billing cycle:</source>
        <translation>Cycle de facturation&#xa0;:</translation>
    </message>
    <message>
        <source>starts on day</source>
        <translation>commence le jour</translation>
    </message>
    <message>
        <source>every</source>
        <translation>tous les</translation>
    </message>
    <message>
        <source>days from</source>
        <translation>jours à partir du</translation>
    </message>
    <message>
        <source>Warn at (%):</source>
        <translation>Avertir à (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Clear Plan</source>
        <translation>Effacer le forfait</translation>
    </message>
    <message>
        <source>This connection: %1</source>
        <translation>Cette connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>All connections</source>
        <translation>Toutes les connexions</translation>
    </message>
    <message>
        <source>No data plan is set here.</source>
        <translation>Aucun forfait de données n’est défini ici.</translation>
    </message>
    <message>
        <source>Enter a limit, such as 5 GB.</source>
        <translation>Saisissez une limite, par exemple 5 GB.</translation>
    </message>
    <message>
        <source>Saved: %1 a cycle.</source>
        <translation>Enregistré&#xa0;: %1 par cycle.</translation>
    </message>
    <message>
        <source>The data plan is cleared.</source>
        <translation>Le forfait de données est effacé.</translation>
    </message>
    <message>
        <source>The data plan has changes that are not saved. Save them?</source>
        <translation>Le forfait de données a des modifications non enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Vantrel - Data Plan</source>
        <translation>Vantrel - Forfait de données</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error in %1: %2</source>
        <translation>Erreur dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>NetworkManagerReason</name>
    <message>
        <source>The device could not be readied for configuration</source>
        <translation>Le périphérique n’a pas pu être préparé pour la configuration</translation>
    </message>
    <message>
        <source>The IP configuration is no longer valid</source>
        <translation>La configuration IP n’est plus valide</translation>
    </message>
    <message>
        <source>The 802.1X supplicant disconnected</source>
        <translation>Le demandeur 802.1X s’est déconnecté</translation>
    </message>
    <message>
        <source>The 802.1X supplicant configuration failed</source>
        <translation>La configuration du demandeur 802.1X a échoué</translation>
    </message>
    <message>
        <source>The 802.1X supplicant failed</source>
        <translation>Le demandeur 802.1X a échoué</translation>
    </message>
    <message>
        <source>The 802.1X supplicant took too long to authenticate</source>
        <translation>Le demandeur 802.1X a mis trop de temps à s’authentifier</translation>
    </message>
    <message>
        <source>The PPP service failed to start</source>
        <translation>Le service PPP n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>The DHCP client failed to start</source>
        <translation>Le client DHCP n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>DHCP client error</source>
        <translation>Erreur du client DHCP</translation>
    </message>
    <message>
        <source>The shared connection service failed to start</source>
        <translation>Le service de connexion partagée n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>The shared connection service failed</source>
        <translation>Le service de connexion partagée a échoué</translation>
    </message>
    <message>
        <source>The AutoIP service failed to start</source>
        <translation>Le service AutoIP n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>AutoIP service error</source>
        <translation>Erreur du service AutoIP</translation>
    </message>
    <message>
        <source>The AutoIP service failed</source>
        <translation>Le service AutoIP a échoué</translation>
    </message>
    <message>
        <source>The dialing attempt failed</source>
        <translation>La tentative de numérotation a échoué</translation>
    </message>
    <message>
        <source>Modem initialization failed</source>
        <translation>L’initialisation du modem a échoué</translation>
    </message>
    <message>
        <source>Failed to select the specified APN</source>
        <translation>Impossible de sélectionner l’APN indiqué</translation>
    </message>
    <message>
        <source>Not searching for mobile networks</source>
        <translation>Aucune recherche de réseaux mobiles en cours</translation>
    </message>
    <message>
        <source>Mobile network registration denied</source>
        <translation>L’enregistrement sur le réseau mobile a été refusé</translation>
    </message>
    <message>
        <source>Mobile network registration timed out</source>
        <translation>Délai d’enregistrement sur le réseau mobile dépassé</translation>
    </message>
    <message>
        <source>Failed to register with the requested mobile network</source>
        <translation>Impossible de s’enregistrer sur le réseau mobile demandé</translation>
    </message>
    <message>
        <source>The PIN check failed</source>
        <translation>La vérification du code PIN a échoué</translation>
    </message>
    <message>
        <source>Necessary firmware for the device may be missing</source>
        <translation>Le micrologiciel nécessaire au périphérique est peut-être absent</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep</source>
        <translation>NetworkManager s’est mis en veille</translation>
    </message>
    <message>
        <source>The device&apos;s active connection disappeared</source>
        <translation>La connexion active du périphérique a disparu</translation>
    </message>
    <message>
        <source>The carrier changed</source>
        <translation>L’état de la porteuse a changé</translation>
    </message>
    <message>
        <source>The modem could not be found</source>
        <translation>Le modem est introuvable</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed or timed out</source>
        <translation>La connexion Bluetooth a échoué ou a expiré</translation>
    </message>
    <message>
        <source>The SIM card is not inserted</source>
        <translation>La carte SIM n’est pas insérée</translation>
    </message>
    <message>
        <source>The SIM PIN is required</source>
        <translation>Le code PIN de la carte SIM est requis</translation>
    </message>
    <message>
        <source>The SIM PUK is required</source>
        <translation>Le code PUK de la carte SIM est requis</translation>
    </message>
    <message>
        <source>The SIM card is wrong</source>
        <translation>La carte SIM n’est pas la bonne</translation>
    </message>
    <message>
        <source>A dependency of the connection failed</source>
        <translation>Une dépendance de la connexion a échoué</translation>
    </message>
    <message>
        <source>ModemManager is not running</source>
        <translation>ModemManager n’est pas en cours d’exécution</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found</source>
        <translation>Le réseau Wi-Fi est introuvable</translation>
    </message>
    <message>
        <source>A secondary connection of the base connection failed</source>
        <translation>Une connexion secondaire de la connexion de base a échoué</translation>
    </message>
    <message>
        <source>The SIM PIN is incorrect</source>
        <translation>Le code PIN de la carte SIM est incorrect</translation>
    </message>
    <message>
        <source>A new activation was enqueued</source>
        <translation>Une nouvelle activation a été mise en file d’attente</translation>
    </message>
    <message>
        <source>The IP address is in use by another host</source>
        <translation>L’adresse IP est utilisée par un autre hôte</translation>
    </message>
    <message>
        <source>The IP method is not supported</source>
        <translation>La méthode IP n’est pas prise en charge</translation>
    </message>
    <message>
        <source>The peer could not be found</source>
        <translation>Le pair est introuvable</translation>
    </message>
</context>
<context>
    <name>PlatformWarning</name>
    <message>
        <source>start-up command %1 cannot be written as an autostart entry</source>
        <translation>la commande de démarrage %1 ne peut pas être écrite comme entrée de démarrage automatique</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1</source>
        <translation>impossible d’écrire l’entrée de démarrage automatique %1</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1: %2</source>
        <translation>impossible d’écrire l’entrée de démarrage automatique %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot remove the autostart entry %1: %2</source>
        <translation>impossible de supprimer l’entrée de démarrage automatique %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>registry database %1 cannot be opened: %2; settings are not saved</source>
        <translation>la base de registre %1 ne peut pas être ouverte&#xa0;: %2&#xa0;; les paramètres ne sont pas enregistrés</translation>
    </message>
    <message>
        <source>registry database %1 was written by a newer version; opened read-only</source>
        <translation>la base de registre %1 a été écrite par une version plus récente&#xa0;; ouverte en lecture seule</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2) and could not be moved aside: %3</source>
        <translation>la base de registre %1 est endommagée (%2) et n’a pas pu être mise de côté&#xa0;: %3</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2); moved aside as %3 and replaced by an empty one</source>
        <translation>la base de registre %1 est endommagée (%2)&#xa0;; mise de côté sous %3 et remplacée par une base vide</translation>
    </message>
    <message>
        <source>registry database %1 could not be written: %2; settings changed meanwhile are not saved</source>
        <translation>la base de registre %1 n’a pas pu être écrite&#xa0;: %2&#xa0;; les paramètres modifiés entre-temps ne sont pas enregistrés</translation>
    </message>
    <message>
        <source>registry database %1 can be written again</source>
        <translation>la base de registre %1 peut de nouveau être écrite</translation>
    </message>
</context>
<context>
    <name>StartupNote</name>
    <message>
        <source>Single-instance lock not taken: %1; a second start would run beside this one.</source>
        <translation>Verrou d’instance unique non pris&#xa0;: %1&#xa0;; un second lancement s’exécuterait à côté de celui-ci.</translation>
    </message>
    <message>
        <source>Wayland session without XWayland: the monitor window cannot stay on top or keep its place.</source>
        <translation>Session Wayland sans XWayland&#xa0;: la fenêtre du moniteur ne peut ni rester au premier plan ni garder sa place.</translation>
    </message>
    <message>
        <source>Wayland session: running on XWayland, so that the monitor window can stay on top.</source>
        <translation>Session Wayland&#xa0;: exécution sous XWayland, pour que la fenêtre du moniteur puisse rester au premier plan.</translation>
    </message>
    <message>
        <source>A second start cannot ask this one to show its window: %1</source>
        <translation>Un second démarrage ne peut pas demander à celui-ci d’afficher sa fenêtre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Another start of Vantrel asked for this window.</source>
        <translation>Un autre démarrage de Vantrel a demandé cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Vantrel - About</source>
        <translation>Vantrel - À propos</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Copy client IP %1 to clipboard.</source>
        <translation>Adresse IP du client %1 copiée dans le presse-papiers.</translation>
    </message>
    <message>
        <source>  Current Connection  </source>
        <translation>  Connexion actuelle  </translation>
    </message>
    <message>
        <source>  Last Connection  </source>
        <translation>  Dernière connexion  </translation>
    </message>
    <message>
        <source>  Total Connection  </source>
        <translation>  Total des connexions  </translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connexion&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>bits/s</source>
        <translation>bit/s</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>Envoyés&#xa0;:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Received:</source>
        <translation>Reçus&#xa0;:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>DNS Server:</source>
        <translation>Serveur DNS&#xa0;:</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>IP du serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Client IP:</source>
        <translation>IP du client&#xa0;:</translation>
    </message>
    <message>
        <source>Upload Speed:</source>
        <translation>Débit montant&#xa0;:</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>o/s</translation>
    </message>
    <message>
        <source>Download Speed:</source>
        <translation>Débit descendant&#xa0;:</translation>
    </message>
    <message>
        <source>Double click to copy to clipboard</source>
        <translation>Double-cliquer pour copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Double click to reset stats</source>
        <translation>Double-cliquer pour remettre les statistiques à zéro</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Start Minimized</source>
        <translation>Démarrer réduit</translation>
    </message>
    <message>
        <source>Load on Startup</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Anti Idle...</source>
        <translation>Anti-inactivité...</translation>
    </message>
    <message>
        <source>Sound...</source>
        <translation>Son...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Connexions...</translation>
    </message>
    <message>
        <source>Show Monitor...</source>
        <translation>Afficher le moniteur...</translation>
    </message>
    <message>
        <source>Hide Monitor when Offline</source>
        <translation>Masquer le moniteur hors connexion</translation>
    </message>
    <message>
        <source>Transparent Monitor</source>
        <translation>Moniteur transparent</translation>
    </message>
    <message>
        <source>Copy IP to Clipboard</source>
        <translation>Copier l’adresse IP dans le presse-papiers</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>À propos de Vantrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No notification area on this desktop: Vantrel minimises to the taskbar.</source>
        <translation>Pas de zone de notification sur ce bureau&#xa0;: Vantrel se réduit dans la barre des tâches.</translation>
    </message>
    <message>
        <source>Usage...</source>
        <translation>Utilisation des données...</translation>
    </message>
    <message>
        <source>Data Plan...</source>
        <translation>Forfait de données...</translation>
    </message>
</context>
<context>
    <name>TMonForm</name>
    <message>
        <source>Vantrel - Monitor</source>
        <translation>Vantrel - Moniteur</translation>
    </message>
</context>
<context>
    <name>TRasCon</name>
    <message>
        <source>Opening Serial Port</source>
        <translation>Ouverture du port série</translation>
    </message>
    <message>
        <source>Serial Port Opened</source>
        <translation>Port série ouvert</translation>
    </message>
    <message>
        <source>Connecting/Dialling</source>
        <translation>Connexion/Numérotation</translation>
    </message>
    <message>
        <source>Connected/Answered</source>
        <translation>Connecté/Décroché</translation>
    </message>
    <message>
        <source>Connected/Negotiation</source>
        <translation>Connecté/Négociation</translation>
    </message>
    <message>
        <source>Validating User and Password</source>
        <translation>Vérification de l’utilisateur et du mot de passe</translation>
    </message>
    <message>
        <source>Authentication Notification</source>
        <translation>Notification d’authentification</translation>
    </message>
    <message>
        <source>Authentication Call Back</source>
        <translation>Rappel d’authentification</translation>
    </message>
    <message>
        <source>Projection Started</source>
        <translation>Projection démarrée</translation>
    </message>
    <message>
        <source>Calculating Link speed</source>
        <translation>Calcul de la vitesse de la liaison</translation>
    </message>
    <message>
        <source>Authentication acknowledged</source>
        <translation>Authentification confirmée</translation>
    </message>
    <message>
        <source>Reauthenticating</source>
        <translation>Nouvelle authentification</translation>
    </message>
    <message>
        <source>Login Authenticated</source>
        <translation>Connexion authentifiée</translation>
    </message>
    <message>
        <source>Preparing for Callback</source>
        <translation>Préparation du rappel</translation>
    </message>
    <message>
        <source>Waiting for Modem Reset</source>
        <translation>Attente de la réinitialisation du modem</translation>
    </message>
    <message>
        <source>Waiting for Callback</source>
        <translation>Attente du rappel</translation>
    </message>
    <message>
        <source>Projection Completion</source>
        <translation>Projection terminée</translation>
    </message>
    <message>
        <source>Start Authentication</source>
        <translation>Début de l’authentification</translation>
    </message>
    <message>
        <source>Callback Complete</source>
        <translation>Rappel terminé</translation>
    </message>
    <message>
        <source>Logon to Network</source>
        <translation>Ouverture de session sur le réseau</translation>
    </message>
    <message>
        <source>Extra Channel Connected</source>
        <translation>Canal supplémentaire connecté</translation>
    </message>
    <message>
        <source>Extra Channel Disconnected</source>
        <translation>Canal supplémentaire déconnecté</translation>
    </message>
    <message>
        <source>Interactive Terminal</source>
        <translation>Terminal interactif</translation>
    </message>
    <message>
        <source>Retry Authentication</source>
        <translation>Nouvelle tentative d’authentification</translation>
    </message>
    <message>
        <source>Callback Set By Caller</source>
        <translation>Rappel défini par l’appelant</translation>
    </message>
    <message>
        <source>Password Expires</source>
        <translation>Le mot de passe expire</translation>
    </message>
    <message>
        <source>Paused for Authentication</source>
        <translation>En pause pour l’authentification</translation>
    </message>
    <message>
        <source>Connected/Online</source>
        <translation>Connecté/En ligne</translation>
    </message>
    <message>
        <source>Disconnected/Offline</source>
        <translation>Déconnecté/Hors ligne</translation>
    </message>
    <message>
        <source>Unknown DUN Version</source>
        <translation>Version d’accès réseau à distance inconnue</translation>
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
        <translation>État inconnu (%1)</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Device Connecting/Dialling</source>
        <translation>Connexion/numérotation du périphérique</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>non disponible</translation>
    </message>
</context>
<context>
    <name>TRasPer</name>
    <message>
        <source>Unable to Read Registry Key - %1/%2</source>
        <translation>Impossible de lire la clé de registre - %1/%2</translation>
    </message>
    <message>
        <source>Unable to Locate Win9x Dial-Up Adapter</source>
        <translation>Carte d’accès réseau à distance Win9x introuvable</translation>
    </message>
    <message>
        <source>Unable to Find Performance Data Helper Library (PDH.DLL)</source>
        <translation>Bibliothèque d’assistance aux données de performances (PDH.DLL) introuvable</translation>
    </message>
    <message>
        <source>Unable to Initialise Performance Data Helper Library (PDH.DLL), ErrCode 0%1</source>
        <translation>Impossible d’initialiser la bibliothèque d’assistance aux données de performances (PDH.DLL), code d’erreur 0%1</translation>
    </message>
    <message>
        <source>Unable to Open Registry Key - %1</source>
        <translation>Impossible d’ouvrir la clé de registre - %1</translation>
    </message>
    <message>
        <source>No Performance Data Returned for Object - %1</source>
        <translation>Aucune donnée de performances renvoyée pour l’objet - %1</translation>
    </message>
    <message>
        <source>No Performance Object Blocks Found for - %1</source>
        <translation>Aucun bloc d’objet de performances trouvé pour - %1</translation>
    </message>
</context>
<context>
    <name>ToolHelp</name>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
</context>
<context>
    <name>UsageChart</name>
    <message>
        <source>Sent</source>
        <translation>Envoyés</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçus</translation>
    </message>
    <message>
        <source>Used in cycle</source>
        <translation>Utilisé dans le cycle</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>%1: %2 sent, %3 received</source>
        <translation>%1&#xa0;: %2 envoyés, %3 reçus</translation>
    </message>
</context>
<context>
    <name>UsageConnectionsModel</name>
    <message>
        <source>%1 (up)</source>
        <translation>%1 (en cours)</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyés</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçus</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adresses</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>%1; monitoring goes on</source>
        <translation>%1&#xa0;; la surveillance continue</translation>
    </message>
    <message>
        <source>usage history %1: cannot be written: %2</source>
        <translation>historique d’utilisation %1&#xa0;: impossible d’écrire&#xa0;: %2</translation>
    </message>
    <message>
        <source>usage history %1: cannot be read: %2</source>
        <translation>historique d’utilisation %1&#xa0;: impossible de lire&#xa0;: %2</translation>
    </message>
    <message>
        <source>usage history %1: no such file (nothing recorded yet)</source>
        <translation>historique d’utilisation %1&#xa0;: fichier inexistant (rien n’a encore été enregistré)</translation>
    </message>
    <message>
        <source>usage history %1 was damaged; moved aside as %2 and started afresh</source>
        <translation>l’historique d’utilisation %1 était endommagé&#xa0;; mis de côté sous %2 et recommencé à zéro</translation>
    </message>
    <message>
        <source>usage history %1: written by a newer version; not recorded</source>
        <translation>historique d’utilisation %1&#xa0;: écrit par une version plus récente&#xa0;; aucun enregistrement</translation>
    </message>
    <message>
        <source>usage history %1: cannot be opened: %2</source>
        <translation>historique d’utilisation %1&#xa0;: impossible d’ouvrir&#xa0;: %2</translation>
    </message>
    <message>
        <source>usage history %1: not open</source>
        <translation>historique d’utilisation %1&#xa0;: non ouvert</translation>
    </message>
    <message>
        <source>usage history %1: cannot be compacted: %2</source>
        <translation>historique d’utilisation %1&#xa0;: impossible de compacter&#xa0;: %2</translation>
    </message>
    <message>
        <source>usage history %1 was removed or moved; a new one is started</source>
        <translation>l’historique d’utilisation %1 a été supprimé ou déplacé&#xa0;; un nouveau est commencé</translation>
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
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <comment>a figure of kilobytes, 1000 bytes each</comment>
        <translation>%1 ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <comment>a figure of megabytes, 10^6 bytes each</comment>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <comment>a figure of gigabytes, 10^9 bytes each</comment>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <comment>a figure of terabytes, 10^12 bytes each</comment>
        <translation>%1 To</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <comment>a figure of petabytes, 10^15 bytes each</comment>
        <translation>%1 Po</translation>
    </message>
</context>
<context>
    <name>UsageWindow</name>
    <message>
        <source>Vantrel - Usage</source>
        <translation>Vantrel - Utilisation des données</translation>
    </message>
    <message>
        <source>Monthly usage, the last twelve months</source>
        <translation>Utilisation mensuelle des douze derniers mois</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Daily Usage...</source>
        <translation>Utilisation quotidienne...</translation>
    </message>
    <message>
        <source>Monthly Usage...</source>
        <translation>Utilisation mensuelle...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Connexions...</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet.</source>
        <translation>Rien n’a encore été enregistré.</translation>
    </message>
    <message>
        <source>Daily usage, the cycle from %1 to %2</source>
        <translation>Utilisation quotidienne, cycle du %1 au %2</translation>
    </message>
    <message>
        <source>Daily usage, %1</source>
        <translation>Utilisation quotidienne, %1</translation>
    </message>
    <message>
        <source>At this rate: %1 by %2</source>
        <translation>À ce rythme&#xa0;: %1 d’ici le %2</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, 1 day left</source>
        <translation>%1 sur %2 utilisés, %3&#xa0;%, 1 jour restant</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, %4 days left</source>
        <translation>%1 sur %2 utilisés, %3&#xa0;%, %4 jours restants</translation>
    </message>
    <message>
        <source>This month: %1 (%2 sent, %3 received); last month: %4</source>
        <translation>Ce mois-ci&#xa0;: %1 (%2 envoyés, %3 reçus)&#xa0;; mois dernier&#xa0;: %4</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>the format of the cycle&apos;s last day</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Previous cycle</source>
        <translation>Cycle précédent</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next cycle</source>
        <translation>Cycle suivant</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for all connections</source>
        <translation>Cycles de facturation du forfait pour toutes les connexions</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for %1</source>
        <translation>Cycles de facturation du forfait pour %1</translation>
    </message>
    <message>
        <source>Calendar months of all connections</source>
        <translation>Mois civils de toutes les connexions</translation>
    </message>
    <message>
        <source>Calendar months of %1</source>
        <translation>Mois civils de %1</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%</source>
        <translation>%1 sur %2 utilisés, %3&#xa0;%</translation>
    </message>
    <message>
        <source>Nothing left for the days remaining</source>
        <translation>Plus rien pour les jours restants</translation>
    </message>
    <message>
        <source>Left for the last day: %1</source>
        <translation>Reste pour le dernier jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left per remaining day: %1</source>
        <translation>Reste par jour restant&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 sent, %4 received)</source>
        <translation>%1&#xa0;: %2 (%3 envoyés, %4 reçus)</translation>
    </message>
</context>
<context>
    <name>WinMessages</name>
    <message>
        <source>An operation is pending.</source>
        <translation>Une opération est en attente.</translation>
    </message>
    <message>
        <source>The port handle is invalid.</source>
        <translation>Le descripteur du port n’est pas valide.</translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation>Le port est déjà ouvert.</translation>
    </message>
    <message>
        <source>Caller&apos;s buffer is too small.</source>
        <translation>La mémoire tampon de l’appelant est trop petite.</translation>
    </message>
    <message>
        <source>Wrong information specified.</source>
        <translation>Les informations spécifiées sont incorrectes.</translation>
    </message>
    <message>
        <source>Cannot set port information.</source>
        <translation>Impossible de définir les informations du port.</translation>
    </message>
    <message>
        <source>The port is not connected.</source>
        <translation>Le port n’est pas connecté.</translation>
    </message>
    <message>
        <source>The event is invalid.</source>
        <translation>L’événement n’est pas valide.</translation>
    </message>
    <message>
        <source>The device does not exist.</source>
        <translation>Le périphérique n’existe pas.</translation>
    </message>
    <message>
        <source>The device type does not exist.</source>
        <translation>Le type de périphérique n’existe pas.</translation>
    </message>
    <message>
        <source>The buffer is invalid.</source>
        <translation>La mémoire tampon n’est pas valide.</translation>
    </message>
    <message>
        <source>The route is not available.</source>
        <translation>L’itinéraire n’est pas disponible.</translation>
    </message>
    <message>
        <source>The route is not allocated.</source>
        <translation>L’itinéraire n’est pas alloué.</translation>
    </message>
    <message>
        <source>Invalid compression specified.</source>
        <translation>La compression spécifiée n’est pas valide.</translation>
    </message>
    <message>
        <source>Out of buffers.</source>
        <translation>Mémoires tampons insuffisantes.</translation>
    </message>
    <message>
        <source>The port was not found.</source>
        <translation>Le port est introuvable.</translation>
    </message>
    <message>
        <source>An asynchronous request is pending.</source>
        <translation>Une requête asynchrone est en attente.</translation>
    </message>
    <message>
        <source>The port or device is already disconnecting.</source>
        <translation>Le port ou le périphérique est déjà en cours de déconnexion.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Le port n’est pas ouvert.</translation>
    </message>
    <message>
        <source>The port is disconnected.</source>
        <translation>Le port est déconnecté.</translation>
    </message>
    <message>
        <source>There are no endpoints.</source>
        <translation>Il n’y a aucun point de terminaison.</translation>
    </message>
    <message>
        <source>Cannot open the phone book file.</source>
        <translation>Impossible d’ouvrir le fichier de l’annuaire téléphonique.</translation>
    </message>
    <message>
        <source>Cannot load the phone book file.</source>
        <translation>Impossible de charger le fichier de l’annuaire téléphonique.</translation>
    </message>
    <message>
        <source>Cannot find the phone book entry.</source>
        <translation>Impossible de trouver l’entrée de l’annuaire téléphonique.</translation>
    </message>
    <message>
        <source>Cannot write the phone book file.</source>
        <translation>Impossible d’écrire le fichier de l’annuaire téléphonique.</translation>
    </message>
    <message>
        <source>Invalid information found in the phone book file.</source>
        <translation>Des informations non valides ont été trouvées dans le fichier de l’annuaire téléphonique.</translation>
    </message>
    <message>
        <source>Cannot load a string.</source>
        <translation>Impossible de charger une chaîne.</translation>
    </message>
    <message>
        <source>Cannot find key.</source>
        <translation>Impossible de trouver la clé.</translation>
    </message>
    <message>
        <source>The port was disconnected.</source>
        <translation>Le port a été déconnecté.</translation>
    </message>
    <message>
        <source>The port was disconnected by the remote machine.</source>
        <translation>Le port a été déconnecté par l’ordinateur distant.</translation>
    </message>
    <message>
        <source>The port was disconnected due to hardware failure.</source>
        <translation>Le port a été déconnecté en raison d’une défaillance matérielle.</translation>
    </message>
    <message>
        <source>The port was disconnected by the user.</source>
        <translation>Le port a été déconnecté par l’utilisateur.</translation>
    </message>
    <message>
        <source>The structure size is incorrect.</source>
        <translation>La taille de la structure est incorrecte.</translation>
    </message>
    <message>
        <source>The port is already in use or is not configured for Remote Access dial out.</source>
        <translation>Le port est déjà utilisé ou n’est pas configuré pour la numérotation sortante de l’accès à distance.</translation>
    </message>
    <message>
        <source>Cannot register your computer on the remote network.</source>
        <translation>Impossible d’inscrire votre ordinateur sur le réseau distant.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>The wrong device is attached to the port.</source>
        <translation>Le périphérique relié au port n’est pas le bon.</translation>
    </message>
    <message>
        <source>The string could not be converted.</source>
        <translation>La chaîne n’a pas pu être convertie.</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>Le délai d’attente de la requête a expiré.</translation>
    </message>
    <message>
        <source>Internal authentication error.</source>
        <translation>Erreur d’authentification interne.</translation>
    </message>
    <message>
        <source>The account is not permitted to log on at this time of day.</source>
        <translation>Le compte n’est pas autorisé à ouvrir une session à cette heure de la journée.</translation>
    </message>
    <message>
        <source>The account is disabled.</source>
        <translation>Le compte est désactivé.</translation>
    </message>
    <message>
        <source>The password has expired.</source>
        <translation>Le mot de passe a expiré.</translation>
    </message>
    <message>
        <source>The account does not have Remote Access permission.</source>
        <translation>Le compte n’a pas l’autorisation d’accès à distance.</translation>
    </message>
    <message>
        <source>The Remote Access server is not responding.</source>
        <translation>Le serveur d’accès à distance ne répond pas.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) has reported an error.</source>
        <translation>Votre modem (ou un autre périphérique de connexion) a signalé une erreur.</translation>
    </message>
    <message>
        <source>Unrecognized response from the device.</source>
        <translation>Réponse du périphérique non reconnue.</translation>
    </message>
    <message>
        <source>A macro required by the device was not found in the device .INF file section.</source>
        <translation>Une macro requise par le périphérique est introuvable dans la section du fichier .INF du périphérique.</translation>
    </message>
    <message>
        <source>The &lt;message&gt; macro was not found in the device .INF file section.</source>
        <translation>La macro &lt;message&gt; est introuvable dans la section du fichier .INF du périphérique.</translation>
    </message>
    <message>
        <source>The &lt;defaultoff&gt; macro in the device .INF file section contains an undefined macro.</source>
        <translation>La macro &lt;defaultoff&gt; de la section du fichier .INF du périphérique contient une macro non définie.</translation>
    </message>
    <message>
        <source>The device .INF file could not be opened.</source>
        <translation>Le fichier .INF du périphérique n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The device name in the device .INF or media .INI file is too long.</source>
        <translation>Le nom du périphérique dans le fichier .INF du périphérique ou dans le fichier .INI du média est trop long.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device name.</source>
        <translation>Le fichier .INI du média fait référence à un nom de périphérique inconnu.</translation>
    </message>
    <message>
        <source>The device .INF file contains no responses for the command.</source>
        <translation>Le fichier .INF du périphérique ne contient aucune réponse pour la commande.</translation>
    </message>
    <message>
        <source>The device .INF file is missing a command.</source>
        <translation>Il manque une commande dans le fichier .INF du périphérique.</translation>
    </message>
    <message>
        <source>Attempted to set a macro not listed in device .INF file section.</source>
        <translation>Tentative de définir une macro absente de la section du fichier .INF du périphérique.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device type.</source>
        <translation>Le fichier .INI du média fait référence à un type de périphérique inconnu.</translation>
    </message>
    <message>
        <source>Cannot allocate memory.</source>
        <translation>Impossible d’allouer de la mémoire.</translation>
    </message>
    <message>
        <source>The port is not configured for Remote Access.</source>
        <translation>Le port n’est pas configuré pour l’accès à distance.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) is not functioning.</source>
        <translation>Votre modem (ou un autre périphérique de connexion) ne fonctionne pas.</translation>
    </message>
    <message>
        <source>Cannot read the media .INI file.</source>
        <translation>Impossible de lire le fichier .INI du média.</translation>
    </message>
    <message>
        <source>The connection dropped.</source>
        <translation>La connexion a été interrompue.</translation>
    </message>
    <message>
        <source>The usage parameter in the media .INI file is invalid.</source>
        <translation>Le paramètre d’utilisation du fichier .INI du média n’est pas valide.</translation>
    </message>
    <message>
        <source>Cannot read the section name from the media .INI file.</source>
        <translation>Impossible de lire le nom de section dans le fichier .INI du média.</translation>
    </message>
    <message>
        <source>Cannot read the device type from the media .INI file.</source>
        <translation>Impossible de lire le type de périphérique dans le fichier .INI du média.</translation>
    </message>
    <message>
        <source>Cannot read the device name from the media .INI file.</source>
        <translation>Impossible de lire le nom du périphérique dans le fichier .INI du média.</translation>
    </message>
    <message>
        <source>Cannot read the usage from the media .INI file.</source>
        <translation>Impossible de lire l’utilisation dans le fichier .INI du média.</translation>
    </message>
    <message>
        <source>Cannot read the maximum connection BPS rate from the media .INI file.</source>
        <translation>Impossible de lire le débit maximal de connexion (BPS) dans le fichier .INI du média.</translation>
    </message>
    <message>
        <source>Cannot read the maximum carrier BPS rate from the media .INI file.</source>
        <translation>Impossible de lire le débit maximal de la porteuse (BPS) dans le fichier .INI du média.</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>La ligne est occupée.</translation>
    </message>
    <message>
        <source>A person answered instead of a modem.</source>
        <translation>Une personne a répondu à la place d’un modem.</translation>
    </message>
    <message>
        <source>There is no answer.</source>
        <translation>Pas de réponse.</translation>
    </message>
    <message>
        <source>Cannot detect carrier.</source>
        <translation>Impossible de détecter la porteuse.</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>Pas de tonalité.</translation>
    </message>
    <message>
        <source>General error reported by device.</source>
        <translation>Erreur générale signalée par le périphérique.</translation>
    </message>
    <message>
        <source>Access denied because username and/or password is invalid on the domain.</source>
        <translation>Accès refusé, car le nom d’utilisateur et/ou le mot de passe n’est pas valide dans le domaine.</translation>
    </message>
    <message>
        <source>Hardware failure in port or attached device.</source>
        <translation>Défaillance matérielle du port ou du périphérique connecté.</translation>
    </message>
    <message>
        <source>State machines are not started.</source>
        <translation>Les machines à états ne sont pas démarrées.</translation>
    </message>
    <message>
        <source>State machines are already started.</source>
        <translation>Les machines à états sont déjà démarrées.</translation>
    </message>
    <message>
        <source>Response looping did not complete.</source>
        <translation>La boucle de réponse ne s’est pas terminée.</translation>
    </message>
    <message>
        <source>The device response caused buffer overflow.</source>
        <translation>La réponse du périphérique a provoqué un dépassement de mémoire tampon.</translation>
    </message>
    <message>
        <source>The expanded command in the device .INF file is too long.</source>
        <translation>La commande développée dans le fichier .INF du périphérique est trop longue.</translation>
    </message>
    <message>
        <source>The device moved to a BPS rate not supported by the COM driver.</source>
        <translation>Le périphérique est passé à un débit (BPS) non pris en charge par le pilote COM.</translation>
    </message>
    <message>
        <source>Device response received when none expected.</source>
        <translation>Réponse du périphérique reçue alors qu’aucune n’était attendue.</translation>
    </message>
    <message>
        <source>The connection needs information from you, but the application does not allow user interaction.</source>
        <translation>La connexion a besoin d’informations de votre part, mais l’application n’autorise pas l’interaction avec l’utilisateur.</translation>
    </message>
    <message>
        <source>The callback number is invalid.</source>
        <translation>Le numéro de rappel n’est pas valide.</translation>
    </message>
    <message>
        <source>The authorization state is invalid.</source>
        <translation>L’état d’autorisation n’est pas valide.</translation>
    </message>
    <message>
        <source>There was an error related to the X.25 protocol.</source>
        <translation>Une erreur liée au protocole X.25 s’est produite.</translation>
    </message>
    <message>
        <source>The account has expired.</source>
        <translation>Le compte a expiré.</translation>
    </message>
    <message>
        <source>There was an error changing the password on the domain.</source>
        <translation>Une erreur s’est produite lors du changement du mot de passe sur le domaine.</translation>
    </message>
    <message>
        <source>Serial overrun errors were detected while communicating with your modem.</source>
        <translation>Des erreurs de dépassement série ont été détectées lors de la communication avec votre modem.</translation>
    </message>
    <message>
        <source>The Remote Access Service Manager could not start.</source>
        <translation>Le gestionnaire du service d’accès à distance n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The two-way port is initializing.</source>
        <translation>Le port bidirectionnel est en cours d’initialisation.</translation>
    </message>
    <message>
        <source>No active ISDN lines are available.</source>
        <translation>Aucune ligne RNIS active n’est disponible.</translation>
    </message>
    <message>
        <source>No ISDN channels are available to make the call.</source>
        <translation>Aucun canal RNIS n’est disponible pour passer l’appel.</translation>
    </message>
    <message>
        <source>Too many errors occurred because of poor phone line quality.</source>
        <translation>Trop d’erreurs se sont produites en raison de la mauvaise qualité de la ligne téléphonique.</translation>
    </message>
    <message>
        <source>The Remote Access Service IP configuration is unusable.</source>
        <translation>La configuration IP du service d’accès à distance est inutilisable.</translation>
    </message>
    <message>
        <source>No IP addresses are available in the static pool of Remote Access Service IP addresses.</source>
        <translation>Aucune adresse IP n’est disponible dans le pool statique d’adresses IP du service d’accès à distance.</translation>
    </message>
    <message>
        <source>The connection was terminated because the remote computer did not respond in a timely manner.</source>
        <translation>La connexion a été interrompue, car l’ordinateur distant n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The connection was terminated by the remote computer.</source>
        <translation>La connexion a été interrompue par l’ordinateur distant.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be established. No PPP control protocols configured.</source>
        <translation>Impossible d’établir une connexion avec l’ordinateur distant. Aucun protocole de contrôle PPP n’est configuré.</translation>
    </message>
    <message>
        <source>The remote computer did not respond.</source>
        <translation>L’ordinateur distant n’a pas répondu.</translation>
    </message>
    <message>
        <source>Invalid data was received from the remote computer.</source>
        <translation>Des données non valides ont été reçues de l’ordinateur distant.</translation>
    </message>
    <message>
        <source>The phone number, including prefix and suffix, is too long.</source>
        <translation>Le numéro de téléphone, préfixe et suffixe compris, est trop long.</translation>
    </message>
    <message>
        <source>The IPX protocol cannot be used for dial-out on more than one modem at a time.</source>
        <translation>Le protocole IPX ne peut pas être utilisé pour la numérotation sortante sur plusieurs modems à la fois.</translation>
    </message>
    <message>
        <source>The system cannot find an IP adapter.</source>
        <translation>Le système ne trouve pas de carte IP.</translation>
    </message>
    <message>
        <source>SLIP cannot be used unless the IP protocol is installed.</source>
        <translation>SLIP ne peut être utilisé que si le protocole IP est installé.</translation>
    </message>
    <message>
        <source>Computer registration is not complete.</source>
        <translation>L’inscription de l’ordinateur n’est pas terminée.</translation>
    </message>
    <message>
        <source>The protocol is not configured.</source>
        <translation>Le protocole n’est pas configuré.</translation>
    </message>
    <message>
        <source>Your computer and the remote computer could not agree on PPP control protocols.</source>
        <translation>Votre ordinateur et l’ordinateur distant n’ont pas pu s’accorder sur les protocoles de contrôle PPP.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be completed.</source>
        <translation>La connexion à l’ordinateur distant n’a pas pu être établie.</translation>
    </message>
    <message>
        <source>The PPP link control protocol was terminated.</source>
        <translation>Le protocole de contrôle de liaison PPP a été interrompu.</translation>
    </message>
    <message>
        <source>The requested address was rejected by the server.</source>
        <translation>L’adresse demandée a été refusée par le serveur.</translation>
    </message>
    <message>
        <source>The remote computer terminated the control protocol.</source>
        <translation>L’ordinateur distant a interrompu le protocole de contrôle.</translation>
    </message>
    <message>
        <source>Loopback was detected.</source>
        <translation>Un bouclage a été détecté.</translation>
    </message>
    <message>
        <source>The server did not assign an address.</source>
        <translation>Le serveur n’a pas attribué d’adresse.</translation>
    </message>
    <message>
        <source>The authentication protocol required by the remote server cannot use the stored password.</source>
        <translation>Le protocole d’authentification exigé par le serveur distant ne peut pas utiliser le mot de passe enregistré.</translation>
    </message>
    <message>
        <source>An invalid dialing rule was detected.</source>
        <translation>Une règle de numérotation non valide a été détectée.</translation>
    </message>
    <message>
        <source>The local computer does not support the required data encryption type.</source>
        <translation>L’ordinateur local ne prend pas en charge le type de chiffrement des données requis.</translation>
    </message>
    <message>
        <source>The remote computer does not support the required data encryption type.</source>
        <translation>L’ordinateur distant ne prend pas en charge le type de chiffrement des données requis.</translation>
    </message>
    <message>
        <source>The remote server requires encryption.</source>
        <translation>Le serveur distant exige le chiffrement.</translation>
    </message>
    <message>
        <source>The callback number contains an invalid character.</source>
        <translation>Le numéro de rappel contient un caractère non valide.</translation>
    </message>
    <message>
        <source>A syntax error was encountered while processing a script.</source>
        <translation>Une erreur de syntaxe s’est produite lors du traitement d’un script.</translation>
    </message>
    <message>
        <source>The connection could not be disconnected because it was created by the multi-protocol router.</source>
        <translation>La connexion n’a pas pu être coupée, car elle a été créée par le routeur multiprotocole.</translation>
    </message>
    <message>
        <source>The system could not find the multi-link bundle.</source>
        <translation>Le système n’a pas trouvé le groupe de liaisons multiples.</translation>
    </message>
    <message>
        <source>The remote computer is not reachable.</source>
        <translation>L’ordinateur distant n’est pas joignable.</translation>
    </message>
    <message>
        <source>The remote computer refused the connection attempt.</source>
        <translation>L’ordinateur distant a refusé la tentative de connexion.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the network is busy.</source>
        <translation>La tentative de connexion a échoué, car le réseau est occupé.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the modem on the remote computer is out of order.</source>
        <translation>La tentative de connexion a échoué, car le modem de l’ordinateur distant est hors service.</translation>
    </message>
    <message>
        <source>It was not possible to verify the identity of the server.</source>
        <translation>Impossible de vérifier l’identité du serveur.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L’opération a réussi.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Fonction incorrecte.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Le chemin d’accès spécifié est introuvable.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Accès refusé.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>Le descripteur n’est pas valide.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Espace de stockage insuffisant pour traiter cette commande.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Espace de stockage insuffisant pour effectuer cette opération.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Un périphérique connecté au système ne fonctionne pas.</translation>
    </message>
    <message>
        <source>The request is not supported.</source>
        <translation>La requête n’est pas prise en charge.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Paramètre incorrect.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Le nom de fichier est trop long.</translation>
    </message>
    <message>
        <source>This function is not supported on this system.</source>
        <translation>Cette fonction n’est pas prise en charge par ce système.</translation>
    </message>
    <message>
        <source>The data area passed to a system call is too small.</source>
        <translation>La zone de données transmise à un appel système est trop petite.</translation>
    </message>
    <message>
        <source>The specified module could not be found.</source>
        <translation>Le module spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified procedure could not be found.</source>
        <translation>La procédure spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>La ressource demandée est en cours d’utilisation.</translation>
    </message>
    <message>
        <source>More data is available.</source>
        <translation>D’autres données sont disponibles.</translation>
    </message>
    <message>
        <source>No more data is available.</source>
        <translation>Il n’y a plus de données disponibles.</translation>
    </message>
    <message>
        <source>One of the library files needed to run this application cannot be found.</source>
        <translation>L’un des fichiers de bibliothèque nécessaires à l’exécution de cette application est introuvable.</translation>
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
        <translation>Connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Speed: %1 bps</source>
        <translation>Vitesse&#xa0;: %1 bit/s</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Durée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Client IP: %1</source>
        <translation>IP du client&#xa0;: %1</translation>
    </message>
    <message>
        <source>Online: %1</source>
        <translation>Connecté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>Déconnecté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>vantrel-fetch</name>
    <message>
        <source>Fetches URL with the monitor&apos;s HTTP/1.0 client and prints each event on its own line in the
order it is raised, then the response&apos;s status line.</source>
        <translation>Récupère URL avec le client HTTP/1.0 du moniteur et affiche chaque événement sur
sa propre ligne dans l’ordre où il survient, puis la ligne d’état de la réponse.</translation>
    </message>
    <message>
        <source>send the request through this HTTP proxy</source>
        <translation>envoyer la requête par ce proxy HTTP</translation>
    </message>
    <message>
        <source>Basic authorization for the proxy</source>
        <translation>autorisation Basic pour le proxy</translation>
    </message>
    <message>
        <source>connect through a CONNECT tunnel or a SOCKS server</source>
        <translation>se connecter par un tunnel CONNECT ou un serveur SOCKS</translation>
    </message>
    <message>
        <source>the firewall or SOCKS server</source>
        <translation>le pare-feu ou le serveur SOCKS</translation>
    </message>
    <message>
        <source>user (and password) the firewall asks for</source>
        <translation>utilisateur (et mot de passe) que demande le pare-feu</translation>
    </message>
    <message>
        <source>give up after S seconds (default: never)</source>
        <translation>abandonner après S secondes (par défaut&#xa0;: jamais)</translation>
    </message>
    <message>
        <source>User-Agent header</source>
        <translation>en-tête User-Agent</translation>
    </message>
    <message>
        <source>Accept header</source>
        <translation>en-tête Accept</translation>
    </message>
    <message>
        <source>send HEAD instead of GET</source>
        <translation>envoyer HEAD au lieu de GET</translation>
    </message>
    <message>
        <source>send POST with TEXT as body</source>
        <translation>envoyer POST avec TEXT comme corps</translation>
    </message>
    <message>
        <source>usage: vantrel-fetch [OPTIONS] URL</source>
        <translation>usage&#xa0;: vantrel-fetch [OPTIONS] URL</translation>
    </message>
    <message>
        <source>its port (default: 80 for tunnel, 1080 for SOCKS)</source>
        <translation>son port (par défaut&#xa0;: 80 pour tunnel, 1080 pour SOCKS)</translation>
    </message>
    <message>
        <source>which redirects to follow (default: never)</source>
        <translation>quelles redirections suivre (par défaut&#xa0;: never)</translation>
    </message>
    <message>
        <source>keep at most N bytes of the body (0: all; default: 4096)</source>
        <translation>garder au plus N octets du corps (0&#xa0;: tout&#xa0;; par défaut&#xa0;: 4096)</translation>
    </message>
    <message>
        <source>also write the body to FILE</source>
        <translation>écrire aussi le corps dans FILE</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the request failed (&quot;code: text&quot; on standard error), 2 bad command line.</source>
        <translation>Code de sortie&#xa0;: 0 effectué, 1 échec de la requête («&#xa0;code: text&#xa0;» sur la sortie d’erreur standard), 2 ligne de commande incorrecte.</translation>
    </message>
</context>
<context>
    <name>vantrel-ras</name>
    <message>
        <source>usage: vantrel-ras [--once | --ticks N]</source>
        <translation>usage&#xa0;: vantrel-ras [--once | --ticks N]</translation>
    </message>
    <message>
        <source>Runs the dial-up access layer the way the monitor polls it, once a second of the data source&apos;s
clock, and prints one line per tick: the active connection, its state code and text, device,
addresses, authentication, the traffic counters (bytes sent and received since the connection
came up) and speed, and the DNS servers; on the linux source also where the connection&apos;s name,
type and state come from (NetworkManager or the kernel).</source>
        <translation>Exécute la couche d’accès à distance comme le fait le moniteur, une fois par seconde de l’horloge de
la source de données, et affiche une ligne par tick&#xa0;: connexion active, code et texte d’état,
périphérique, adresses, authentification, compteurs de trafic (octets envoyés et reçus depuis
l’établissement de la connexion) et débit, serveurs DNS&#xa0;; avec la source linux, aussi l’origine du
nom, du type et de l’état de la connexion (NetworkManager ou le noyau).</translation>
    </message>
    <message>
        <source>one tick, then exit</source>
        <translation>un tick, puis quitter</translation>
    </message>
    <message>
        <source>N ticks, then exit (default: until interrupted)</source>
        <translation>N ticks, puis quitter (par défaut&#xa0;: jusqu’à interruption)</translation>
    </message>
    <message>
        <source>The data source is chosen by VANTREL_SOURCE: linux (default), demo, sim:FILE or none.</source>
        <translation>La source de données est choisie par VANTREL_SOURCE&#xa0;: linux (par défaut), demo, sim:FILE ou none.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 no dial-up networking or no statistics, 2 bad command line or source.</source>
        <translation>Code de sortie&#xa0;: 0 effectué, 1 pas d’accès réseau à distance ou pas de statistiques, 2 ligne de commande ou source incorrecte.</translation>
    </message>
</context>
<context>
    <name>vantrel-reg</name>
    <message>
        <source>usage: vantrel-reg COMMAND [ARGUMENTS]</source>
        <translation>usage&#xa0;: vantrel-reg COMMAND [ARGUMENTS]</translation>
    </message>
    <message>
        <source>subkeys (ending in \) and values of KEY; the roots without KEY</source>
        <translation>sous-clés (terminées par \) et valeurs de KEY&#xa0;; sans KEY, les racines</translation>
    </message>
    <message>
        <source>the value&apos;s data</source>
        <translation>les données de la valeur</translation>
    </message>
    <message>
        <source>set a text value (REG_SZ)</source>
        <translation>définir une valeur texte (REG_SZ)</translation>
    </message>
    <message>
        <source>set a REG_EXPAND_SZ value</source>
        <translation>définir une valeur REG_EXPAND_SZ</translation>
    </message>
    <message>
        <source>set a 32-bit value (decimal, or hexadecimal with 0x)</source>
        <translation>définir une valeur 32 bits (décimale, ou hexadécimale avec 0x)</translation>
    </message>
    <message>
        <source>set a REG_BINARY value (&quot;01,02,ff&quot; or &quot;0102ff&quot;)</source>
        <translation>définir une valeur REG_BINARY («&#xa0;01,02,ff&#xa0;» ou «&#xa0;0102ff&#xa0;»)</translation>
    </message>
    <message>
        <source>delete a value</source>
        <translation>supprimer une valeur</translation>
    </message>
    <message>
        <source>write KEY and everything below it as REGEDIT4 text</source>
        <translation>écrire KEY et tout ce qui est en dessous en texte REGEDIT4</translation>
    </message>
    <message>
        <source>apply a REGEDIT4 file (- reads standard input) as a whole:
checked first, then applied in one transaction</source>
        <translation>appliquer un fichier REGEDIT4 (- lit l’entrée standard) en
bloc&#xa0;: vérifié d’abord, puis appliqué en une seule transaction</translation>
    </message>
    <message>
        <source>KEY is a full key name, for example</source>
        <translation>KEY est un nom de clé complet, par exemple</translation>
    </message>
    <message>
        <source>(HKCU, HKLM, HKCR, HKU and HKCC stand for their roots). NAME @ is the key&apos;s default value.
The registry is kept in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (folder 0700, files 0600).
Key names are at most 255 characters, value names 16383, keys at most 512 levels deep; names
cannot hold line breaks or NUL characters. Imports are regular files of at most 16 MiB.</source>
        <translation>(HKCU, HKLM, HKCR, HKU et HKCC désignent les racines.) NAME @ est la valeur par défaut de la clé.
Le registre se trouve dans $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (dossier 0700, fichiers 0600).
Noms de clés&#xa0;: 255 caractères au plus, noms de valeurs&#xa0;: 16383, profondeur&#xa0;: 512 niveaux&#xa0;;
ni saut de ligne ni NUL dans les noms. Importations&#xa0;: fichiers ordinaires de 16 Mio au plus.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the registry refused, 2 bad command line or input (nothing changed).</source>
        <translation>Code de sortie&#xa0;: 0 effectué, 1 refus du registre, 2 ligne de commande ou entrée incorrecte (rien n’est modifié).</translation>
    </message>
</context>
<context>
    <name>vantrel-usage</name>
    <message>
        <source>usage: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                     [--json | --csv | --openmetrics FILE] [--file DATABASE]</source>
        <translation>usage&#xa0;: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                      [--json | --csv | --openmetrics FILE] [--file DATABASE]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <source>bytes per local day (default; the last 31 days)</source>
        <translation>octets par jour local (par défaut&#xa0;; les 31 derniers jours)</translation>
    </message>
    <message>
        <source>bytes per month (the last 12 months)</source>
        <translation>octets par mois (les 12 derniers mois)</translation>
    </message>
    <message>
        <source>bytes per year (all of the history)</source>
        <translation>octets par an (tout l’historique)</translation>
    </message>
    <message>
        <source>one line per connection (the last 31 days)</source>
        <translation>une ligne par connexion (les 31 derniers jours)</translation>
    </message>
    <message>
        <source>each data plan: its limit, what counts, the billing cycle holding today (or the
--to date), the bytes used in it, the percentage of the limit and the days left</source>
        <translation>chaque forfait&#xa0;: limite, ce qui compte, cycle de facturation contenant aujourd’hui
(ou la date de --to), octets consommés, pourcentage de la limite et jours restants</translation>
    </message>
    <message>
        <source>adds the connections of the monitor&apos;s CSV log FILE that the history lacks</source>
        <translation>ajoute les connexions du journal CSV FILE du moniteur qui manquent à l’historique</translation>
    </message>
    <message>
        <source>one entry name only (default: all, added up); with plan, the plan that
applies to that entry name</source>
        <translation>un seul nom de connexion (par défaut&#xa0;: tous, additionnés)&#xa0;;
avec plan, le forfait qui s’applique à ce nom de connexion</translation>
    </message>
    <message>
        <source>from this local date (YYYY-MM-DD) on</source>
        <translation>à partir de cette date locale (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>up to and including this local date</source>
        <translation>jusqu’à cette date locale incluse</translation>
    </message>
    <message>
        <source>JSON instead of aligned text</source>
        <translation>JSON au lieu de texte aligné</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>valeurs séparées par des virgules avec une ligne d’en-tête</translation>
    </message>
    <message>
        <source>write the totals per entry name in the Prometheus text format to FILE,
replacing it in one step (for node_exporter&apos;s textfile collector)</source>
        <translation>écrire les totaux par nom de connexion au format texte Prometheus dans FILE,
remplacé d’un coup (pour le collecteur textfile de node_exporter)</translation>
    </message>
    <message>
        <source>another history (default: $XDG_DATA_HOME/vantrel/usage.sqlite3)</source>
        <translation>un autre historique (par défaut&#xa0;: $XDG_DATA_HOME/vantrel/usage.sqlite3)</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the history is missing or cannot be read, 2 bad command line.</source>
        <translation>Code de sortie&#xa0;: 0 effectué, 1 l’historique manque ou ne peut pas être lu, 2 ligne de commande incorrecte.</translation>
    </message>
</context>
</TS>
