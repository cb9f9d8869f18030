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
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
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
        <source>Data Plan</source>
        <translation>Forfait de données</translation>
    </message>
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
        <source>Reset total connection statistic.</source>
        <translation>Statistiques totales des connexions remises à zéro.</translation>
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
        <source>Stored %1 &quot;%2&quot; is not a number; using 0.</source>
        <translation>La valeur enregistrée %1 «&#xa0;%2&#xa0;» n’est pas un nombre&#xa0;; 0 est utilisé.</translation>
    </message>
    <message>
        <source>No notification area on this desktop: Vantrel minimises to the taskbar.</source>
        <translation>Pas de zone de notification sur ce bureau&#xa0;: Vantrel se réduit dans la barre des tâches.</translation>
    </message>
    <message>
        <source>RAS is not installed.</source>
        <translation>RAS n’est pas installé.</translation>
    </message>
    <message>
        <source>No Performance Statistics Available.</source>
        <translation>Aucune statistique de performances disponible.</translation>
    </message>
    <message>
        <source>Online: </source>
        <translation>Connecté&#xa0;: </translation>
    </message>
    <message>
        <source>Offline: </source>
        <translation>Déconnecté&#xa0;: </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Connection: </source>
        <translation>Connexion&#xa0;: </translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Vitesse&#xa0;: </translation>
    </message>
    <message>
        <source> bps</source>
        <translation> bit/s</translation>
    </message>
    <message>
        <source>Client IP: </source>
        <translation>IP du client&#xa0;: </translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 connecté.</translation>
    </message>
    <message>
        <source>Duration: </source>
        <translation>Durée&#xa0;: </translation>
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
</context>
<context>
    <name>UsageTexts</name>
    <message>
        <source>%1 %2</source>
        <comment>a month&apos;s name as it stands alone, and its year</comment>
        <translation>%1 %2</translation>
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
</context>
</TS>
