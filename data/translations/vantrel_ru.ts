<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AntiIdle</name>
    <message>
        <source>%1 - Anti Idle %2 bytes</source>
        <translation>%1 - Антипростой: %2 байт</translation>
    </message>
</context>
<context>
    <name>ConnectionChooser</name>
    <message>
        <source>Point-to-point links, mobile broadband, VPN and PPPoE connections are always watched.
Check any other interface to watch it as a connection.</source>
        <translation>Соединения точка-точка, мобильный широкополосный доступ, VPN и PPPoE отслеживаются всегда.
Отметьте любой другой интерфейс, чтобы отслеживать его как соединение.</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Соединение</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>Other names or patterns (comma-separated):</source>
        <translation>Другие имена или шаблоны (через запятую):</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Watched always</source>
        <translation>Отслеживается всегда</translation>
    </message>
    <message>
        <source>point-to-point</source>
        <translation>точка-точка</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>modem</source>
        <translation>модем</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>туннель</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>беспроводное</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>other</source>
        <translation>другое</translation>
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
        <translation>подключено</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>подключение</translation>
    </message>
    <message>
        <source>down</source>
        <translation>отключено</translation>
    </message>
    <message>
        <source>up</source>
        <translation>включено</translation>
    </message>
    <message>
        <source>no carrier</source>
        <translation>кабель не подключён</translation>
    </message>
    <message>
        <source>Vantrel - Connections</source>
        <translation>Vantrel - Соединения</translation>
    </message>
    <message>
        <source>Vantrel is watching a simulated machine, not this one:
VANTREL_SOURCE=%1
Its connections come from the simulation: there are no interfaces to choose here.
Start Vantrel without VANTREL_SOURCE to choose among this machine&apos;s interfaces.</source>
        <translation>Vantrel наблюдает за имитируемой машиной, а не за этой:
VANTREL_SOURCE=%1
Её соединения берутся из имитации: здесь нечего выбирать.
Запустите Vantrel без VANTREL_SOURCE, чтобы выбрать среди интерфейсов этой машины.</translation>
    </message>
</context>
<context>
    <name>ConnectionLogFile</name>
    <message>
        <source>is a symbolic link</source>
        <translation>является символической ссылкой</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>Log file: %1 %2; using %3</source>
        <translation>Файл журнала: %1 %2; используется %3</translation>
    </message>
    <message>
        <source>Log file: %1 cannot be written; using %2</source>
        <translation>Файл журнала: запись в %1 невозможна; используется %2</translation>
    </message>
    <message>
        <source>Log file %1 not written: %2</source>
        <translation>Файл журнала %1 не записан: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>это символическая ссылка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>у него есть другие имена (жёсткие ссылки)</translation>
    </message>
</context>
<context>
    <name>ConnectionMonitor</name>
    <message>
        <source>RAS is not installed.</source>
        <translation>RAS не установлен.</translation>
    </message>
    <message>
        <source>No Performance Statistics Available.</source>
        <translation>Статистика производительности недоступна.</translation>
    </message>
    <message>
        <source>Stored %1 &quot;%2&quot; is not a number; using 0.</source>
        <translation>Сохранённое значение %1 «%2» не является числом; используется 0.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1: подключено.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1: отключено.</translation>
    </message>
    <message>
        <source>Reset total connection statistic.</source>
        <translation>Общая статистика соединений сброшена.</translation>
    </message>
    <message>
        <source>No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another interface, choose it with &quot;%1&quot; in the popup menu.</source>
        <translation>Нет активного подключения удалённого доступа (PPP, мобильный интернет, VPN). Чтобы наблюдать за другим интерфейсом, выберите его через «%1» в контекстном меню.</translation>
    </message>
</context>
<context>
    <name>DataPlan</name>
    <message>
        <source>all connections</source>
        <translation>все соединения</translation>
    </message>
    <message>
        <source>Data plan of %1: %2% reached (%3).</source>
        <translation>Тарифный план %1: достигнуто %2% (%3).</translation>
    </message>
    <message>
        <source>Data plan: %1% reached</source>
        <translation>Тарифный план: достигнуто %1%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: write a number and a unit, such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>«%1» — не лимит трафика: введите число и единицу, например 500 MB, 5 GB или 2.5 GiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: the unit &quot;%2&quot; is not one of %3</source>
        <translation>«%1» — не лимит трафика: единица «%2» не входит в список %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large a data limit</source>
        <translation>«%1» — слишком большой лимит трафика</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: it must be at least one byte</source>
        <translation>«%1» — не лимит трафика: нужен хотя бы один байт</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: the day of the month is 1 to 31</source>
        <translation>«%1» — не расчётный период: день месяца — от 1 до 31</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: a cycle is 1 to %2 days long</source>
        <translation>«%1» — не расчётный период: период длится от 1 до %2 дней</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: %2 is not a date</source>
        <translation>«%1» — не расчётный период: %2 — не дата</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: write &quot;monthly 15&quot; or &quot;every 30 days from 2026-01-15&quot;</source>
        <translation>«%1» — не расчётный период: напишите &quot;monthly 15&quot; или &quot;every 30 days from 2026-01-15&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of warning thresholds: &quot;%2&quot; is not a percentage from 1 to %3</source>
        <translation>«%1» — не список порогов предупреждения: «%2» — не процент от 1 до %3</translation>
    </message>
    <message>
        <source>1 day left</source>
        <translation>остался 1 день</translation>
    </message>
    <message>
        <source>%1 days left</source>
        <translation>осталось дней: %1</translation>
    </message>
    <message>
        <source>%1 of %2 %3, %4%, %5</source>
        <translation>%1 из %2 %3, %4%, %5</translation>
    </message>
    <message>
        <source>Data plan %1\%2 not used: %3</source>
        <translation>Тарифный план %1\%2 не используется: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;both&quot; nor &quot;download&quot;</source>
        <translation>«%1» — ни &quot;both&quot;, ни &quot;download&quot;</translation>
    </message>
    <message>
        <source>A data plan needs a limit and at least one warning threshold</source>
        <translation>Тарифному плану нужны лимит и хотя бы один порог предупреждения</translation>
    </message>
    <message>
        <source>The entry name &quot;%1&quot; is too long for a data plan of its own</source>
        <translation>Имя соединения «%1» слишком длинное для собственного тарифного плана</translation>
    </message>
    <message>
        <source>Data plans count from now on: %1</source>
        <translation>Тарифные планы учитывают трафик с этого момента: %1</translation>
    </message>
</context>
<context>
    <name>DataPlanForm</name>
    <message>
        <source>Plan for:</source>
        <translation>План для:</translation>
    </message>
    <message>
        <source>such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>например, 500 MB, 5 GB или 2.5 GiB</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Лимит:</translation>
    </message>
    <message>
        <source>Sent and received</source>
        <translation>Отправленные и полученные</translation>
    </message>
    <message>
        <source>Received only</source>
        <translation>Только полученные</translation>
    </message>
    <message>
        <source>Counts:</source>
        <translation>Учитывать:</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Every number of days</source>
        <translation>Каждые n дней</translation>
    </message>
    <message>
        <source>Billing cycle:</source>
        <translation>Расчётный период:</translation>
    </message>
    <message>
        <source>starts on day</source>
        <translation>день начала:</translation>
    </message>
    <message>
        <source>every</source>
        <translation>каждые</translation>
    </message>
    <message>
        <source>days from</source>
        <translation>дн., начиная с</translation>
    </message>
    <message>
        <source>Warn at (%):</source>
        <translation>Предупреждать при (%):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Clear Plan</source>
        <translation>Удалить план</translation>
    </message>
    <message>
        <source>This connection: %1</source>
        <translation>Это соединение: %1</translation>
    </message>
    <message>
        <source>All connections</source>
        <translation>Все соединения</translation>
    </message>
    <message>
        <source>No data plan is set here.</source>
        <translation>Тарифный план здесь не задан.</translation>
    </message>
    <message>
        <source>Enter a limit, such as 5 GB.</source>
        <translation>Введите лимит, например 5 GB.</translation>
    </message>
    <message>
        <source>Saved: %1 a cycle.</source>
        <translation>Сохранено: %1 за период.</translation>
    </message>
    <message>
        <source>The data plan is cleared.</source>
        <translation>Тарифный план удалён.</translation>
    </message>
    <message>
        <source>The data plan has changes that are not saved. Save them?</source>
        <translation>В тарифе есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>Vantrel - Data Plan</source>
        <translation>Vantrel - Тарифный план</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Show Window</source>
        <translation>Показать окно</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error in %1: %2</source>
        <translation>Ошибка в %1: %2</translation>
    </message>
</context>
<context>
    <name>NetworkManagerReason</name>
    <message>
        <source>The device could not be readied for configuration</source>
        <translation>Не удалось подготовить устройство к настройке</translation>
    </message>
    <message>
        <source>The IP configuration is no longer valid</source>
        <translation>Конфигурация IP больше не действительна</translation>
    </message>
    <message>
        <source>The 802.1X supplicant disconnected</source>
        <translation>Соединение с супликантом 802.1X разорвано</translation>
    </message>
    <message>
        <source>The 802.1X supplicant configuration failed</source>
        <translation>Ошибка настройки супликанта 802.1X</translation>
    </message>
    <message>
        <source>The 802.1X supplicant failed</source>
        <translation>Сбой супликанта 802.1X</translation>
    </message>
    <message>
        <source>The 802.1X supplicant took too long to authenticate</source>
        <translation>Супликант 802.1X слишком долго проходил аутентификацию</translation>
    </message>
    <message>
        <source>The PPP service failed to start</source>
        <translation>Не удалось запустить службу PPP</translation>
    </message>
    <message>
        <source>The DHCP client failed to start</source>
        <translation>Не удалось запустить клиент DHCP</translation>
    </message>
    <message>
        <source>DHCP client error</source>
        <translation>Ошибка клиента DHCP</translation>
    </message>
    <message>
        <source>The shared connection service failed to start</source>
        <translation>Не удалось запустить службу общего соединения</translation>
    </message>
    <message>
        <source>The shared connection service failed</source>
        <translation>Сбой службы общего соединения</translation>
    </message>
    <message>
        <source>The AutoIP service failed to start</source>
        <translation>Не удалось запустить службу AutoIP</translation>
    </message>
    <message>
        <source>AutoIP service error</source>
        <translation>Ошибка службы AutoIP</translation>
    </message>
    <message>
        <source>The AutoIP service failed</source>
        <translation>Сбой службы AutoIP</translation>
    </message>
    <message>
        <source>The dialing attempt failed</source>
        <translation>Попытка набора номера не удалась</translation>
    </message>
    <message>
        <source>Modem initialization failed</source>
        <translation>Ошибка инициализации модема</translation>
    </message>
    <message>
        <source>Failed to select the specified APN</source>
        <translation>Не удалось выбрать указанную точку доступа (APN)</translation>
    </message>
    <message>
        <source>Not searching for mobile networks</source>
        <translation>Поиск мобильных сетей не выполняется</translation>
    </message>
    <message>
        <source>Mobile network registration denied</source>
        <translation>В регистрации в мобильной сети отказано</translation>
    </message>
    <message>
        <source>Mobile network registration timed out</source>
        <translation>Истекло время ожидания регистрации в мобильной сети</translation>
    </message>
    <message>
        <source>Failed to register with the requested mobile network</source>
        <translation>Не удалось зарегистрироваться в запрошенной мобильной сети</translation>
    </message>
    <message>
        <source>The PIN check failed</source>
        <translation>Проверка PIN-кода не пройдена</translation>
    </message>
    <message>
        <source>Necessary firmware for the device may be missing</source>
        <translation>Возможно, отсутствует необходимая прошивка устройства</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep</source>
        <translation>NetworkManager перешёл в спящий режим</translation>
    </message>
    <message>
        <source>The device&apos;s active connection disappeared</source>
        <translation>Активное соединение устройства исчезло</translation>
    </message>
    <message>
        <source>The carrier changed</source>
        <translation>Изменилось состояние несущей</translation>
    </message>
    <message>
        <source>The modem could not be found</source>
        <translation>Модем не найден</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed or timed out</source>
        <translation>Сбой соединения Bluetooth или истекло время ожидания</translation>
    </message>
    <message>
        <source>The SIM card is not inserted</source>
        <translation>SIM-карта не вставлена</translation>
    </message>
    <message>
        <source>The SIM PIN is required</source>
        <translation>Требуется PIN-код SIM-карты</translation>
    </message>
    <message>
        <source>The SIM PUK is required</source>
        <translation>Требуется PUK-код SIM-карты</translation>
    </message>
    <message>
        <source>The SIM card is wrong</source>
        <translation>Неверная SIM-карта</translation>
    </message>
    <message>
        <source>A dependency of the connection failed</source>
        <translation>Сбой зависимости соединения</translation>
    </message>
    <message>
        <source>ModemManager is not running</source>
        <translation>ModemManager не запущен</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found</source>
        <translation>Сеть Wi-Fi не найдена</translation>
    </message>
    <message>
        <source>A secondary connection of the base connection failed</source>
        <translation>Сбой вторичного соединения базового соединения</translation>
    </message>
    <message>
        <source>The SIM PIN is incorrect</source>
        <translation>Неверный PIN-код SIM-карты</translation>
    </message>
    <message>
        <source>A new activation was enqueued</source>
        <translation>Поставлена в очередь новая активация</translation>
    </message>
    <message>
        <source>The IP address is in use by another host</source>
        <translation>IP-адрес используется другим узлом</translation>
    </message>
    <message>
        <source>The IP method is not supported</source>
        <translation>Метод IP не поддерживается</translation>
    </message>
    <message>
        <source>The peer could not be found</source>
        <translation>Узел-партнёр не найден</translation>
    </message>
</context>
<context>
    <name>PlatformWarning</name>
    <message>
        <source>start-up command %1 cannot be written as an autostart entry</source>
        <translation>команду запуска %1 нельзя записать как элемент автозапуска</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1</source>
        <translation>не удаётся записать элемент автозапуска %1</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1: %2</source>
        <translation>не удаётся записать элемент автозапуска %1: %2</translation>
    </message>
    <message>
        <source>cannot remove the autostart entry %1: %2</source>
        <translation>не удаётся удалить элемент автозапуска %1: %2</translation>
    </message>
    <message>
        <source>registry database %1 cannot be opened: %2; settings are not saved</source>
        <translation>не удаётся открыть базу данных реестра %1: %2; параметры не сохраняются</translation>
    </message>
    <message>
        <source>registry database %1 was written by a newer version; opened read-only</source>
        <translation>база данных реестра %1 записана более новой версией; открыта только для чтения</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2) and could not be moved aside: %3</source>
        <translation>база данных реестра %1 повреждена (%2), и её не удалось отложить: %3</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2); moved aside as %3 and replaced by an empty one</source>
        <translation>база данных реестра %1 повреждена (%2); отложена как %3 и заменена пустой</translation>
    </message>
    <message>
        <source>registry database %1 could not be written: %2; settings changed meanwhile are not saved</source>
        <translation>не удалось записать базу данных реестра %1: %2; изменённые за это время параметры не сохраняются</translation>
    </message>
    <message>
        <source>registry database %1 can be written again</source>
        <translation>базу данных реестра %1 снова можно записывать</translation>
    </message>
</context>
<context>
    <name>StartupNote</name>
    <message>
        <source>Single-instance lock not taken: %1; a second start would run beside this one.</source>
        <translation>Блокировка единственного экземпляра не получена: %1; повторный запуск будет работать рядом с этим.</translation>
    </message>
    <message>
        <source>Wayland session without XWayland: the monitor window cannot stay on top or keep its place.</source>
        <translation>Сеанс Wayland без XWayland: окно монитора не может оставаться поверх всех окон и сохранять своё место.</translation>
    </message>
    <message>
        <source>Wayland session: running on XWayland, so that the monitor window can stay on top.</source>
        <translation>Сеанс Wayland: работа через XWayland, чтобы окно монитора могло оставаться поверх всех окон.</translation>
    </message>
    <message>
        <source>A second start cannot ask this one to show its window: %1</source>
        <translation>Повторный запуск не сможет попросить эту копию показать окно: %1</translation>
    </message>
    <message>
        <source>Another start of Vantrel asked for this window.</source>
        <translation>Другой запуск Vantrel запросил это окно.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Vantrel - About</source>
        <translation>Vantrel - О программе</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Copy client IP %1 to clipboard.</source>
        <translation>IP клиента %1 скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>  Current Connection  </source>
        <translation>  Текущее соединение  </translation>
    </message>
    <message>
        <source>  Last Connection  </source>
        <translation>  Последнее соединение  </translation>
    </message>
    <message>
        <source>  Total Connection  </source>
        <translation>  Все соединения  </translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Соединение:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>bits/s</source>
        <translation>бит/с</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>Отправлено:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>Received:</source>
        <translation>Получено:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Длительность:</translation>
    </message>
    <message>
        <source>DNS Server:</source>
        <translation>DNS-сервер:</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>IP сервера:</translation>
    </message>
    <message>
        <source>Client IP:</source>
        <translation>IP клиента:</translation>
    </message>
    <message>
        <source>Upload Speed:</source>
        <translation>Скорость отдачи:</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>байт/с</translation>
    </message>
    <message>
        <source>Download Speed:</source>
        <translation>Скорость приёма:</translation>
    </message>
    <message>
        <source>Double click to copy to clipboard</source>
        <translation>Двойной щелчок — копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Double click to reset stats</source>
        <translation>Двойной щелчок — сбросить статистику</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Сворачивать в системный лоток</translation>
    </message>
    <message>
        <source>Start Minimized</source>
        <translation>Запускать свёрнутым</translation>
    </message>
    <message>
        <source>Load on Startup</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Сохранять журнал</translation>
    </message>
    <message>
        <source>Anti Idle...</source>
        <translation>Антипростой...</translation>
    </message>
    <message>
        <source>Sound...</source>
        <translation>Звук...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Соединения...</translation>
    </message>
    <message>
        <source>Show Monitor...</source>
        <translation>Показывать монитор...</translation>
    </message>
    <message>
        <source>Hide Monitor when Offline</source>
        <translation>Скрывать монитор без соединения</translation>
    </message>
    <message>
        <source>Transparent Monitor</source>
        <translation>Прозрачный монитор</translation>
    </message>
    <message>
        <source>Copy IP to Clipboard</source>
        <translation>Копировать IP в буфер обмена</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>О программе Vantrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>No notification area on this desktop: Vantrel minimises to the taskbar.</source>
        <translation>На этом рабочем столе нет области уведомлений: Vantrel сворачивается на панель задач.</translation>
    </message>
    <message>
        <source>Usage...</source>
        <translation>Использование данных...</translation>
    </message>
    <message>
        <source>Data Plan...</source>
        <translation>Тарифный план...</translation>
    </message>
</context>
<context>
    <name>TMonForm</name>
    <message>
        <source>Vantrel - Monitor</source>
        <translation>Vantrel - Монитор</translation>
    </message>
</context>
<context>
    <name>TRasCon</name>
    <message>
        <source>Opening Serial Port</source>
        <translation>Открытие последовательного порта</translation>
    </message>
    <message>
        <source>Serial Port Opened</source>
        <translation>Последовательный порт открыт</translation>
    </message>
    <message>
        <source>Connecting/Dialling</source>
        <translation>Подключение/Набор номера</translation>
    </message>
    <message>
        <source>Connected/Answered</source>
        <translation>Подключено/Ответ получен</translation>
    </message>
    <message>
        <source>Connected/Negotiation</source>
        <translation>Подключено/Согласование</translation>
    </message>
    <message>
        <source>Validating User and Password</source>
        <translation>Проверка имени пользователя и пароля</translation>
    </message>
    <message>
        <source>Authentication Notification</source>
        <translation>Уведомление об аутентификации</translation>
    </message>
    <message>
        <source>Authentication Call Back</source>
        <translation>Обратный звонок для аутентификации</translation>
    </message>
    <message>
        <source>Projection Started</source>
        <translation>Проецирование начато</translation>
    </message>
    <message>
        <source>Calculating Link speed</source>
        <translation>Определение скорости линии</translation>
    </message>
    <message>
        <source>Authentication acknowledged</source>
        <translation>Аутентификация подтверждена</translation>
    </message>
    <message>
        <source>Reauthenticating</source>
        <translation>Повторная аутентификация</translation>
    </message>
    <message>
        <source>Login Authenticated</source>
        <translation>Вход подтверждён</translation>
    </message>
    <message>
        <source>Preparing for Callback</source>
        <translation>Подготовка к обратному звонку</translation>
    </message>
    <message>
        <source>Waiting for Modem Reset</source>
        <translation>Ожидание сброса модема</translation>
    </message>
    <message>
        <source>Waiting for Callback</source>
        <translation>Ожидание обратного звонка</translation>
    </message>
    <message>
        <source>Projection Completion</source>
        <translation>Проецирование завершено</translation>
    </message>
    <message>
        <source>Start Authentication</source>
        <translation>Начало аутентификации</translation>
    </message>
    <message>
        <source>Callback Complete</source>
        <translation>Обратный звонок завершён</translation>
    </message>
    <message>
        <source>Logon to Network</source>
        <translation>Вход в сеть</translation>
    </message>
    <message>
        <source>Extra Channel Connected</source>
        <translation>Дополнительный канал подключён</translation>
    </message>
    <message>
        <source>Extra Channel Disconnected</source>
        <translation>Дополнительный канал отключён</translation>
    </message>
    <message>
        <source>Interactive Terminal</source>
        <translation>Интерактивный терминал</translation>
    </message>
    <message>
        <source>Retry Authentication</source>
        <translation>Повтор аутентификации</translation>
    </message>
    <message>
        <source>Callback Set By Caller</source>
        <translation>Обратный звонок задан вызывающей стороной</translation>
    </message>
    <message>
        <source>Password Expires</source>
        <translation>Срок действия пароля истекает</translation>
    </message>
    <message>
        <source>Paused for Authentication</source>
        <translation>Приостановлено для аутентификации</translation>
    </message>
    <message>
        <source>Connected/Online</source>
        <translation>Подключено/В сети</translation>
    </message>
    <message>
        <source>Disconnected/Offline</source>
        <translation>Отключено/Не в сети</translation>
    </message>
    <message>
        <source>Unknown DUN Version</source>
        <translation>Неизвестная версия удалённого доступа</translation>
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
        <translation>Неизвестное состояние (%1)</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Device Connecting/Dialling</source>
        <translation>Устройство подключается/набирает номер</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>недоступна</translation>
    </message>
</context>
<context>
    <name>TRasPer</name>
    <message>
        <source>Unable to Read Registry Key - %1/%2</source>
        <translation>Не удалось прочитать раздел реестра - %1/%2</translation>
    </message>
    <message>
        <source>Unable to Locate Win9x Dial-Up Adapter</source>
        <translation>Не найден адаптер удалённого доступа Win9x</translation>
    </message>
    <message>
        <source>Unable to Find Performance Data Helper Library (PDH.DLL)</source>
        <translation>Не найдена библиотека данных производительности (PDH.DLL)</translation>
    </message>
    <message>
        <source>Unable to Initialise Performance Data Helper Library (PDH.DLL), ErrCode 0%1</source>
        <translation>Не удалось инициализировать библиотеку данных производительности (PDH.DLL), код ошибки 0%1</translation>
    </message>
    <message>
        <source>Unable to Open Registry Key - %1</source>
        <translation>Не удалось открыть раздел реестра - %1</translation>
    </message>
    <message>
        <source>No Performance Data Returned for Object - %1</source>
        <translation>Нет данных производительности для объекта - %1</translation>
    </message>
    <message>
        <source>No Performance Object Blocks Found for - %1</source>
        <translation>Не найдены блоки объектов производительности для - %1</translation>
    </message>
</context>
<context>
    <name>ToolHelp</name>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
</context>
<context>
    <name>UsageChart</name>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Получено</translation>
    </message>
    <message>
        <source>Used in cycle</source>
        <translation>Использовано за период</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Лимит</translation>
    </message>
    <message>
        <source>%1: %2 sent, %3 received</source>
        <translation>%1: отправлено %2, получено %3</translation>
    </message>
</context>
<context>
    <name>UsageConnectionsModel</name>
    <message>
        <source>%1 (up)</source>
        <translation>%1 (идёт)</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Соединение</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Получено</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Адреса</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>%1; monitoring goes on</source>
        <translation>%1; мониторинг продолжается</translation>
    </message>
    <message>
        <source>usage history %1: cannot be written: %2</source>
        <translation>история использования %1: не удаётся записать: %2</translation>
    </message>
    <message>
        <source>usage history %1: cannot be read: %2</source>
        <translation>история использования %1: не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>usage history %1: no such file (nothing recorded yet)</source>
        <translation>история использования %1: файл не существует (пока ничего не записано)</translation>
    </message>
    <message>
        <source>usage history %1 was damaged; moved aside as %2 and started afresh</source>
        <translation>история использования %1 была повреждена; отложена как %2 и начата заново</translation>
    </message>
    <message>
        <source>usage history %1: written by a newer version; not recorded</source>
        <translation>история использования %1: записана более новой версией; запись не ведётся</translation>
    </message>
    <message>
        <source>usage history %1: cannot be opened: %2</source>
        <translation>история использования %1: не удаётся открыть: %2</translation>
    </message>
    <message>
        <source>usage history %1: not open</source>
        <translation>история использования %1: не открыта</translation>
    </message>
    <message>
        <source>usage history %1: cannot be compacted: %2</source>
        <translation>история использования %1: не удаётся сжать: %2</translation>
    </message>
    <message>
        <source>usage history %1 was removed or moved; a new one is started</source>
        <translation>история использования %1 была удалена или перемещена; начата новая</translation>
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
        <translation>%1 Б</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <comment>a figure of kilobytes, 1000 bytes each</comment>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <comment>a figure of megabytes, 10^6 bytes each</comment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <comment>a figure of gigabytes, 10^9 bytes each</comment>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <comment>a figure of terabytes, 10^12 bytes each</comment>
        <translation>%1 ТБ</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <comment>a figure of petabytes, 10^15 bytes each</comment>
        <translation>%1 ПБ</translation>
    </message>
</context>
<context>
    <name>UsageWindow</name>
    <message>
        <source>Vantrel - Usage</source>
        <translation>Vantrel - Использование данных</translation>
    </message>
    <message>
        <source>Monthly usage, the last twelve months</source>
        <translation>Использование по месяцам за последние 12 месяцев</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Daily Usage...</source>
        <translation>Использование по дням...</translation>
    </message>
    <message>
        <source>Monthly Usage...</source>
        <translation>Использование по месяцам...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Соединения...</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet.</source>
        <translation>Пока ничего не записано.</translation>
    </message>
    <message>
        <source>Daily usage, the cycle from %1 to %2</source>
        <translation>Использование по дням, расчётный период с %1 по %2</translation>
    </message>
    <message>
        <source>Daily usage, %1</source>
        <translation>Использование по дням, %1</translation>
    </message>
    <message>
        <source>At this rate: %1 by %2</source>
        <translation>При таком темпе: %1 к %2</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, 1 day left</source>
        <translation>Использовано %1 из %2, %3%, остался 1 день</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, %4 days left</source>
        <translation>Использовано %1 из %2, %3%, осталось дней: %4</translation>
    </message>
    <message>
        <source>This month: %1 (%2 sent, %3 received); last month: %4</source>
        <translation>В этом месяце: %1 (отправлено %2, получено %3); в прошлом месяце: %4</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Файлы JSON (*.json)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>the format of the cycle&apos;s last day</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>Previous cycle</source>
        <translation>Предыдущий период</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next cycle</source>
        <translation>Следующий период</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for all connections</source>
        <translation>Расчётные периоды тарифа для всех подключений</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for %1</source>
        <translation>Расчётные периоды тарифа для %1</translation>
    </message>
    <message>
        <source>Calendar months of all connections</source>
        <translation>Календарные месяцы всех подключений</translation>
    </message>
    <message>
        <source>Calendar months of %1</source>
        <translation>Календарные месяцы %1</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%</source>
        <translation>Использовано %1 из %2, %3%</translation>
    </message>
    <message>
        <source>Nothing left for the days remaining</source>
        <translation>На оставшиеся дни ничего не осталось</translation>
    </message>
    <message>
        <source>Left for the last day: %1</source>
        <translation>Осталось на последний день: %1</translation>
    </message>
    <message>
        <source>Left per remaining day: %1</source>
        <translation>Осталось на каждый оставшийся день: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 sent, %4 received)</source>
        <translation>%1: %2 (отправлено %3, получено %4)</translation>
    </message>
</context>
<context>
    <name>WinMessages</name>
    <message>
        <source>An operation is pending.</source>
        <translation>Операция ожидает выполнения.</translation>
    </message>
    <message>
        <source>The port handle is invalid.</source>
        <translation>Недопустимый дескриптор порта.</translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation>Порт уже открыт.</translation>
    </message>
    <message>
        <source>Caller&apos;s buffer is too small.</source>
        <translation>Буфер вызывающей стороны слишком мал.</translation>
    </message>
    <message>
        <source>Wrong information specified.</source>
        <translation>Указаны неверные сведения.</translation>
    </message>
    <message>
        <source>Cannot set port information.</source>
        <translation>Не удаётся задать сведения о порте.</translation>
    </message>
    <message>
        <source>The port is not connected.</source>
        <translation>Порт не подключён.</translation>
    </message>
    <message>
        <source>The event is invalid.</source>
        <translation>Недопустимое событие.</translation>
    </message>
    <message>
        <source>The device does not exist.</source>
        <translation>Устройство не существует.</translation>
    </message>
    <message>
        <source>The device type does not exist.</source>
        <translation>Тип устройства не существует.</translation>
    </message>
    <message>
        <source>The buffer is invalid.</source>
        <translation>Недопустимый буфер.</translation>
    </message>
    <message>
        <source>The route is not available.</source>
        <translation>Маршрут недоступен.</translation>
    </message>
    <message>
        <source>The route is not allocated.</source>
        <translation>Маршрут не выделен.</translation>
    </message>
    <message>
        <source>Invalid compression specified.</source>
        <translation>Указано недопустимое сжатие.</translation>
    </message>
    <message>
        <source>Out of buffers.</source>
        <translation>Недостаточно буферов.</translation>
    </message>
    <message>
        <source>The port was not found.</source>
        <translation>Порт не найден.</translation>
    </message>
    <message>
        <source>An asynchronous request is pending.</source>
        <translation>Асинхронный запрос ожидает выполнения.</translation>
    </message>
    <message>
        <source>The port or device is already disconnecting.</source>
        <translation>Порт или устройство уже отключается.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Порт не открыт.</translation>
    </message>
    <message>
        <source>The port is disconnected.</source>
        <translation>Порт отключён.</translation>
    </message>
    <message>
        <source>There are no endpoints.</source>
        <translation>Нет конечных точек.</translation>
    </message>
    <message>
        <source>Cannot open the phone book file.</source>
        <translation>Не удаётся открыть файл телефонной книги.</translation>
    </message>
    <message>
        <source>Cannot load the phone book file.</source>
        <translation>Не удаётся загрузить файл телефонной книги.</translation>
    </message>
    <message>
        <source>Cannot find the phone book entry.</source>
        <translation>Не удаётся найти запись телефонной книги.</translation>
    </message>
    <message>
        <source>Cannot write the phone book file.</source>
        <translation>Не удаётся записать файл телефонной книги.</translation>
    </message>
    <message>
        <source>Invalid information found in the phone book file.</source>
        <translation>В файле телефонной книги обнаружены недопустимые сведения.</translation>
    </message>
    <message>
        <source>Cannot load a string.</source>
        <translation>Не удаётся загрузить строку.</translation>
    </message>
    <message>
        <source>Cannot find key.</source>
        <translation>Не удаётся найти ключ.</translation>
    </message>
    <message>
        <source>The port was disconnected.</source>
        <translation>Порт был отключён.</translation>
    </message>
    <message>
        <source>The port was disconnected by the remote machine.</source>
        <translation>Порт был отключён удалённым компьютером.</translation>
    </message>
    <message>
        <source>The port was disconnected due to hardware failure.</source>
        <translation>Порт был отключён из-за сбоя оборудования.</translation>
    </message>
    <message>
        <source>The port was disconnected by the user.</source>
        <translation>Порт был отключён пользователем.</translation>
    </message>
    <message>
        <source>The structure size is incorrect.</source>
        <translation>Неверный размер структуры.</translation>
    </message>
    <message>
        <source>The port is already in use or is not configured for Remote Access dial out.</source>
        <translation>Порт уже используется или не настроен для исходящих подключений удалённого доступа.</translation>
    </message>
    <message>
        <source>Cannot register your computer on the remote network.</source>
        <translation>Не удаётся зарегистрировать компьютер в удалённой сети.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
    <message>
        <source>The wrong device is attached to the port.</source>
        <translation>К порту подключено не то устройство.</translation>
    </message>
    <message>
        <source>The string could not be converted.</source>
        <translation>Не удалось преобразовать строку.</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>Истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>Internal authentication error.</source>
        <translation>Внутренняя ошибка аутентификации.</translation>
    </message>
    <message>
        <source>The account is not permitted to log on at this time of day.</source>
        <translation>Учётной записи не разрешён вход в это время суток.</translation>
    </message>
    <message>
        <source>The account is disabled.</source>
        <translation>Учётная запись отключена.</translation>
    </message>
    <message>
        <source>The password has expired.</source>
        <translation>Срок действия пароля истёк.</translation>
    </message>
    <message>
        <source>The account does not have Remote Access permission.</source>
        <translation>У учётной записи нет разрешения на удалённый доступ.</translation>
    </message>
    <message>
        <source>The Remote Access server is not responding.</source>
        <translation>Сервер удалённого доступа не отвечает.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) has reported an error.</source>
        <translation>Модем (или другое устройство связи) сообщил об ошибке.</translation>
    </message>
    <message>
        <source>Unrecognized response from the device.</source>
        <translation>Нераспознанный ответ устройства.</translation>
    </message>
    <message>
        <source>A macro required by the device was not found in the device .INF file section.</source>
        <translation>Макрос, необходимый устройству, не найден в разделе INF-файла устройства.</translation>
    </message>
    <message>
        <source>The &lt;message&gt; macro was not found in the device .INF file section.</source>
        <translation>Макрос &lt;message&gt; не найден в разделе INF-файла устройства.</translation>
    </message>
    <message>
        <source>The &lt;defaultoff&gt; macro in the device .INF file section contains an undefined macro.</source>
        <translation>Макрос &lt;defaultoff&gt; в разделе INF-файла устройства содержит неопределённый макрос.</translation>
    </message>
    <message>
        <source>The device .INF file could not be opened.</source>
        <translation>Не удалось открыть INF-файл устройства.</translation>
    </message>
    <message>
        <source>The device name in the device .INF or media .INI file is too long.</source>
        <translation>Имя устройства в INF-файле устройства или INI-файле среды слишком длинное.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device name.</source>
        <translation>INI-файл среды ссылается на неизвестное имя устройства.</translation>
    </message>
    <message>
        <source>The device .INF file contains no responses for the command.</source>
        <translation>INF-файл устройства не содержит ответов на команду.</translation>
    </message>
    <message>
        <source>The device .INF file is missing a command.</source>
        <translation>В INF-файле устройства отсутствует команда.</translation>
    </message>
    <message>
        <source>Attempted to set a macro not listed in device .INF file section.</source>
        <translation>Попытка задать макрос, не указанный в разделе INF-файла устройства.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device type.</source>
        <translation>INI-файл среды ссылается на неизвестный тип устройства.</translation>
    </message>
    <message>
        <source>Cannot allocate memory.</source>
        <translation>Не удаётся выделить память.</translation>
    </message>
    <message>
        <source>The port is not configured for Remote Access.</source>
        <translation>Порт не настроен для удалённого доступа.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) is not functioning.</source>
        <translation>Модем (или другое устройство связи) не работает.</translation>
    </message>
    <message>
        <source>Cannot read the media .INI file.</source>
        <translation>Не удаётся прочитать INI-файл среды.</translation>
    </message>
    <message>
        <source>The connection dropped.</source>
        <translation>Подключение прервано.</translation>
    </message>
    <message>
        <source>The usage parameter in the media .INI file is invalid.</source>
        <translation>Недопустимый параметр использования в INI-файле среды.</translation>
    </message>
    <message>
        <source>Cannot read the section name from the media .INI file.</source>
        <translation>Не удаётся прочитать имя раздела из INI-файла среды.</translation>
    </message>
    <message>
        <source>Cannot read the device type from the media .INI file.</source>
        <translation>Не удаётся прочитать тип устройства из INI-файла среды.</translation>
    </message>
    <message>
        <source>Cannot read the device name from the media .INI file.</source>
        <translation>Не удаётся прочитать имя устройства из INI-файла среды.</translation>
    </message>
    <message>
        <source>Cannot read the usage from the media .INI file.</source>
        <translation>Не удаётся прочитать использование из INI-файла среды.</translation>
    </message>
    <message>
        <source>Cannot read the maximum connection BPS rate from the media .INI file.</source>
        <translation>Не удаётся прочитать максимальную скорость подключения (бит/с) из INI-файла среды.</translation>
    </message>
    <message>
        <source>Cannot read the maximum carrier BPS rate from the media .INI file.</source>
        <translation>Не удаётся прочитать максимальную скорость несущей (бит/с) из INI-файла среды.</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>Линия занята.</translation>
    </message>
    <message>
        <source>A person answered instead of a modem.</source>
        <translation>Вместо модема ответил человек.</translation>
    </message>
    <message>
        <source>There is no answer.</source>
        <translation>Нет ответа.</translation>
    </message>
    <message>
        <source>Cannot detect carrier.</source>
        <translation>Не удаётся обнаружить несущую.</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>Нет гудка.</translation>
    </message>
    <message>
        <source>General error reported by device.</source>
        <translation>Устройство сообщило об общей ошибке.</translation>
    </message>
    <message>
        <source>Access denied because username and/or password is invalid on the domain.</source>
        <translation>Доступ запрещён, так как имя пользователя и/или пароль недопустимы в домене.</translation>
    </message>
    <message>
        <source>Hardware failure in port or attached device.</source>
        <translation>Сбой оборудования порта или подключённого устройства.</translation>
    </message>
    <message>
        <source>State machines are not started.</source>
        <translation>Конечные автоматы не запущены.</translation>
    </message>
    <message>
        <source>State machines are already started.</source>
        <translation>Конечные автоматы уже запущены.</translation>
    </message>
    <message>
        <source>Response looping did not complete.</source>
        <translation>Цикл ответов не завершён.</translation>
    </message>
    <message>
        <source>The device response caused buffer overflow.</source>
        <translation>Ответ устройства вызвал переполнение буфера.</translation>
    </message>
    <message>
        <source>The expanded command in the device .INF file is too long.</source>
        <translation>Развёрнутая команда в INF-файле устройства слишком длинная.</translation>
    </message>
    <message>
        <source>The device moved to a BPS rate not supported by the COM driver.</source>
        <translation>Устройство перешло на скорость (бит/с), которую не поддерживает драйвер COM-порта.</translation>
    </message>
    <message>
        <source>Device response received when none expected.</source>
        <translation>Получен ответ устройства, хотя ответ не ожидался.</translation>
    </message>
    <message>
        <source>The connection needs information from you, but the application does not allow user interaction.</source>
        <translation>Для подключения нужны сведения от вас, но приложение не допускает взаимодействия с пользователем.</translation>
    </message>
    <message>
        <source>The callback number is invalid.</source>
        <translation>Недопустимый номер обратного вызова.</translation>
    </message>
    <message>
        <source>The authorization state is invalid.</source>
        <translation>Недопустимое состояние авторизации.</translation>
    </message>
    <message>
        <source>There was an error related to the X.25 protocol.</source>
        <translation>Произошла ошибка, связанная с протоколом X.25.</translation>
    </message>
    <message>
        <source>The account has expired.</source>
        <translation>Срок действия учётной записи истёк.</translation>
    </message>
    <message>
        <source>There was an error changing the password on the domain.</source>
        <translation>Ошибка при смене пароля в домене.</translation>
    </message>
    <message>
        <source>Serial overrun errors were detected while communicating with your modem.</source>
        <translation>При обмене данными с модемом обнаружены ошибки переполнения последовательного порта.</translation>
    </message>
    <message>
        <source>The Remote Access Service Manager could not start.</source>
        <translation>Не удалось запустить диспетчер службы удалённого доступа.</translation>
    </message>
    <message>
        <source>The two-way port is initializing.</source>
        <translation>Двунаправленный порт инициализируется.</translation>
    </message>
    <message>
        <source>No active ISDN lines are available.</source>
        <translation>Нет доступных активных линий ISDN.</translation>
    </message>
    <message>
        <source>No ISDN channels are available to make the call.</source>
        <translation>Нет доступных каналов ISDN для вызова.</translation>
    </message>
    <message>
        <source>Too many errors occurred because of poor phone line quality.</source>
        <translation>Слишком много ошибок из-за плохого качества телефонной линии.</translation>
    </message>
    <message>
        <source>The Remote Access Service IP configuration is unusable.</source>
        <translation>Конфигурация IP службы удалённого доступа непригодна для использования.</translation>
    </message>
    <message>
        <source>No IP addresses are available in the static pool of Remote Access Service IP addresses.</source>
        <translation>В статическом пуле IP-адресов службы удалённого доступа нет доступных адресов.</translation>
    </message>
    <message>
        <source>The connection was terminated because the remote computer did not respond in a timely manner.</source>
        <translation>Подключение разорвано, так как удалённый компьютер не ответил вовремя.</translation>
    </message>
    <message>
        <source>The connection was terminated by the remote computer.</source>
        <translation>Подключение разорвано удалённым компьютером.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be established. No PPP control protocols configured.</source>
        <translation>Не удалось установить подключение к удалённому компьютеру. Не настроены протоколы управления PPP.</translation>
    </message>
    <message>
        <source>The remote computer did not respond.</source>
        <translation>Удалённый компьютер не ответил.</translation>
    </message>
    <message>
        <source>Invalid data was received from the remote computer.</source>
        <translation>От удалённого компьютера получены недопустимые данные.</translation>
    </message>
    <message>
        <source>The phone number, including prefix and suffix, is too long.</source>
        <translation>Номер телефона вместе с префиксом и суффиксом слишком длинный.</translation>
    </message>
    <message>
        <source>The IPX protocol cannot be used for dial-out on more than one modem at a time.</source>
        <translation>Протокол IPX нельзя использовать для исходящих подключений одновременно более чем на одном модеме.</translation>
    </message>
    <message>
        <source>The system cannot find an IP adapter.</source>
        <translation>Системе не удаётся найти IP-адаптер.</translation>
    </message>
    <message>
        <source>SLIP cannot be used unless the IP protocol is installed.</source>
        <translation>SLIP можно использовать, только если установлен протокол IP.</translation>
    </message>
    <message>
        <source>Computer registration is not complete.</source>
        <translation>Регистрация компьютера не завершена.</translation>
    </message>
    <message>
        <source>The protocol is not configured.</source>
        <translation>Протокол не настроен.</translation>
    </message>
    <message>
        <source>Your computer and the remote computer could not agree on PPP control protocols.</source>
        <translation>Ваш компьютер и удалённый компьютер не смогли согласовать протоколы управления PPP.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be completed.</source>
        <translation>Не удалось завершить подключение к удалённому компьютеру.</translation>
    </message>
    <message>
        <source>The PPP link control protocol was terminated.</source>
        <translation>Протокол управления каналом PPP был прерван.</translation>
    </message>
    <message>
        <source>The requested address was rejected by the server.</source>
        <translation>Запрошенный адрес отклонён сервером.</translation>
    </message>
    <message>
        <source>The remote computer terminated the control protocol.</source>
        <translation>Удалённый компьютер прервал протокол управления.</translation>
    </message>
    <message>
        <source>Loopback was detected.</source>
        <translation>Обнаружена петля.</translation>
    </message>
    <message>
        <source>The server did not assign an address.</source>
        <translation>Сервер не назначил адрес.</translation>
    </message>
    <message>
        <source>The authentication protocol required by the remote server cannot use the stored password.</source>
        <translation>Протокол аутентификации, требуемый удалённым сервером, не может использовать сохранённый пароль.</translation>
    </message>
    <message>
        <source>An invalid dialing rule was detected.</source>
        <translation>Обнаружено недопустимое правило набора номера.</translation>
    </message>
    <message>
        <source>The local computer does not support the required data encryption type.</source>
        <translation>Локальный компьютер не поддерживает требуемый тип шифрования данных.</translation>
    </message>
    <message>
        <source>The remote computer does not support the required data encryption type.</source>
        <translation>Удалённый компьютер не поддерживает требуемый тип шифрования данных.</translation>
    </message>
    <message>
        <source>The remote server requires encryption.</source>
        <translation>Удалённый сервер требует шифрования.</translation>
    </message>
    <message>
        <source>The callback number contains an invalid character.</source>
        <translation>Номер обратного вызова содержит недопустимый символ.</translation>
    </message>
    <message>
        <source>A syntax error was encountered while processing a script.</source>
        <translation>При обработке сценария обнаружена синтаксическая ошибка.</translation>
    </message>
    <message>
        <source>The connection could not be disconnected because it was created by the multi-protocol router.</source>
        <translation>Не удалось разорвать подключение, так как оно создано многопротокольным маршрутизатором.</translation>
    </message>
    <message>
        <source>The system could not find the multi-link bundle.</source>
        <translation>Системе не удалось найти многоканальный пакет.</translation>
    </message>
    <message>
        <source>The remote computer is not reachable.</source>
        <translation>Удалённый компьютер недоступен.</translation>
    </message>
    <message>
        <source>The remote computer refused the connection attempt.</source>
        <translation>Удалённый компьютер отклонил попытку подключения.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the network is busy.</source>
        <translation>Попытка подключения не удалась, так как сеть занята.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the modem on the remote computer is out of order.</source>
        <translation>Попытка подключения не удалась, так как модем удалённого компьютера неисправен.</translation>
    </message>
    <message>
        <source>It was not possible to verify the identity of the server.</source>
        <translation>Не удалось проверить подлинность сервера.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Операция успешно завершена.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Неверная функция.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Не удаётся найти указанный файл.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Системе не удаётся найти указанный путь.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Отказано в доступе.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>Неверный дескриптор.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Недостаточно памяти для обработки команды.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Устройство, подключённое к системе, не работает.</translation>
    </message>
    <message>
        <source>The request is not supported.</source>
        <translation>Запрос не поддерживается.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Параметр задан неверно.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Слишком длинное имя файла.</translation>
    </message>
    <message>
        <source>This function is not supported on this system.</source>
        <translation>Эта функция не поддерживается в этой системе.</translation>
    </message>
    <message>
        <source>The data area passed to a system call is too small.</source>
        <translation>Область данных, переданная системному вызову, слишком мала.</translation>
    </message>
    <message>
        <source>The specified module could not be found.</source>
        <translation>Не найден указанный модуль.</translation>
    </message>
    <message>
        <source>The specified procedure could not be found.</source>
        <translation>Не найдена указанная процедура.</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>Запрошенный ресурс занят.</translation>
    </message>
    <message>
        <source>More data is available.</source>
        <translation>Имеются дополнительные данные.</translation>
    </message>
    <message>
        <source>No more data is available.</source>
        <translation>Больше данных нет.</translation>
    </message>
    <message>
        <source>One of the library files needed to run this application cannot be found.</source>
        <translation>Не удаётся найти один из файлов библиотек, необходимых для работы этого приложения.</translation>
    </message>
</context>
<context>
    <name>monitortexts</name>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Соединение: %1</translation>
    </message>
    <message>
        <source>Speed: %1 bps</source>
        <translation>Скорость: %1 бит/с</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Длительность: %1</translation>
    </message>
    <message>
        <source>Client IP: %1</source>
        <translation>IP клиента: %1</translation>
    </message>
    <message>
        <source>Online: %1</source>
        <translation>Подключено: %1</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>Отключено: %1</translation>
    </message>
</context>
<context>
    <name>vantrel-fetch</name>
    <message>
        <source>Fetches URL with the monitor&apos;s HTTP/1.0 client and prints each event on its own line in the
order it is raised, then the response&apos;s status line.</source>
        <translation>Загружает URL HTTP/1.0-клиентом монитора и выводит каждое событие отдельной строкой в порядке
возникновения, затем строку состояния ответа.</translation>
    </message>
    <message>
        <source>send the request through this HTTP proxy</source>
        <translation>отправить запрос через этот HTTP-прокси</translation>
    </message>
    <message>
        <source>Basic authorization for the proxy</source>
        <translation>авторизация Basic для прокси</translation>
    </message>
    <message>
        <source>connect through a CONNECT tunnel or a SOCKS server</source>
        <translation>подключаться через туннель CONNECT или сервер SOCKS</translation>
    </message>
    <message>
        <source>the firewall or SOCKS server</source>
        <translation>брандмауэр или сервер SOCKS</translation>
    </message>
    <message>
        <source>user (and password) the firewall asks for</source>
        <translation>пользователь (и пароль), которых требует брандмауэр</translation>
    </message>
    <message>
        <source>give up after S seconds (default: never)</source>
        <translation>сдаться через S секунд (по умолчанию: никогда)</translation>
    </message>
    <message>
        <source>User-Agent header</source>
        <translation>заголовок User-Agent</translation>
    </message>
    <message>
        <source>Accept header</source>
        <translation>заголовок Accept</translation>
    </message>
    <message>
        <source>send HEAD instead of GET</source>
        <translation>отправить HEAD вместо GET</translation>
    </message>
    <message>
        <source>send POST with TEXT as body</source>
        <translation>отправить POST с TEXT в качестве тела</translation>
    </message>
    <message>
        <source>usage: vantrel-fetch [OPTIONS] URL</source>
        <translation>использование: vantrel-fetch [OPTIONS] URL</translation>
    </message>
    <message>
        <source>its port (default: 80 for tunnel, 1080 for SOCKS)</source>
        <translation>его порт (по умолчанию: 80 для tunnel, 1080 для SOCKS)</translation>
    </message>
    <message>
        <source>which redirects to follow (default: never)</source>
        <translation>по каким перенаправлениям переходить (по умолчанию: never)</translation>
    </message>
    <message>
        <source>keep at most N bytes of the body (0: all; default: 4096)</source>
        <translation>хранить не более N байт тела ответа (0: всё; по умолчанию: 4096)</translation>
    </message>
    <message>
        <source>also write the body to FILE</source>
        <translation>также записать тело ответа в FILE</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the request failed (&quot;code: text&quot; on standard error), 2 bad command line.</source>
        <translation>Код возврата: 0 — выполнено, 1 — запрос не удался («code: text» в стандартном потоке ошибок), 2 — неверная командная строка.</translation>
    </message>
</context>
<context>
    <name>vantrel-ras</name>
    <message>
        <source>usage: vantrel-ras [--once | --ticks N]</source>
        <translation>использование: vantrel-ras [--once | --ticks N]</translation>
    </message>
    <message>
        <source>Runs the dial-up access layer the way the monitor polls it, once a second of the data source&apos;s
clock, and prints one line per tick: the active connection, its state code and text, device,
addresses, authentication, the traffic counters (bytes sent and received since the connection
came up) and speed, and the DNS servers; on the linux source also where the connection&apos;s name,
type and state come from (NetworkManager or the kernel).</source>
        <translation>Запускает уровень удалённого доступа так, как его опрашивает монитор, раз в секунду по часам
источника данных, и выводит по строке на каждый такт: активное соединение, код и текст его
состояния, устройство, адреса, аутентификацию, счётчики трафика (байты, отправленные и
полученные с момента установки соединения) и скорость, а также DNS-серверы; для источника
linux — ещё и откуда взяты имя, тип и состояние соединения (NetworkManager или ядро).</translation>
    </message>
    <message>
        <source>one tick, then exit</source>
        <translation>один такт, затем выход</translation>
    </message>
    <message>
        <source>N ticks, then exit (default: until interrupted)</source>
        <translation>N тактов, затем выход (по умолчанию: до прерывания)</translation>
    </message>
    <message>
        <source>The data source is chosen by VANTREL_SOURCE: linux (default), demo, sim:FILE or none.</source>
        <translation>Источник данных задаёт VANTREL_SOURCE: linux (по умолчанию), demo, sim:FILE или none.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 no dial-up networking or no statistics, 2 bad command line or source.</source>
        <translation>Код возврата: 0 — выполнено, 1 — нет удалённого доступа или статистики, 2 — неверная командная строка или источник.</translation>
    </message>
</context>
<context>
    <name>vantrel-reg</name>
    <message>
        <source>usage: vantrel-reg COMMAND [ARGUMENTS]</source>
        <translation>использование: vantrel-reg COMMAND [ARGUMENTS]</translation>
    </message>
    <message>
        <source>subkeys (ending in \) and values of KEY; the roots without KEY</source>
        <translation>подразделы (оканчиваются на \) и параметры KEY; без KEY — корневые разделы</translation>
    </message>
    <message>
        <source>the value&apos;s data</source>
        <translation>данные параметра</translation>
    </message>
    <message>
        <source>set a text value (REG_SZ)</source>
        <translation>задать текстовый параметр (REG_SZ)</translation>
    </message>
    <message>
        <source>set a REG_EXPAND_SZ value</source>
        <translation>задать параметр REG_EXPAND_SZ</translation>
    </message>
    <message>
        <source>set a 32-bit value (decimal, or hexadecimal with 0x)</source>
        <translation>задать 32-битный параметр (десятичный или шестнадцатеричный с 0x)</translation>
    </message>
    <message>
        <source>set a REG_BINARY value (&quot;01,02,ff&quot; or &quot;0102ff&quot;)</source>
        <translation>задать параметр REG_BINARY («01,02,ff» или «0102ff»)</translation>
    </message>
    <message>
        <source>delete a value</source>
        <translation>удалить параметр</translation>
    </message>
    <message>
        <source>write KEY and everything below it as REGEDIT4 text</source>
        <translation>вывести KEY со всем содержимым в виде текста REGEDIT4</translation>
    </message>
    <message>
        <source>apply a REGEDIT4 file (- reads standard input) as a whole:
checked first, then applied in one transaction</source>
        <translation>применить файл REGEDIT4 (- читает стандартный ввод) целиком:
сначала проверяется, затем применяется одной транзакцией</translation>
    </message>
    <message>
        <source>KEY is a full key name, for example</source>
        <translation>KEY — полное имя раздела, например</translation>
    </message>
    <message>
        <source>(HKCU, HKLM, HKCR, HKU and HKCC stand for their roots). NAME @ is the key&apos;s default value.
The registry is kept in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (folder 0700, files 0600).
Key names are at most 255 characters, value names 16383, keys at most 512 levels deep; names
cannot hold line breaks or NUL characters. Imports are regular files of at most 16 MiB.</source>
        <translation>(HKCU, HKLM, HKCR, HKU и HKCC — корневые разделы.) NAME @ — параметр раздела по умолчанию.
Реестр хранится в $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (папка 0700, файлы 0600).
Имена разделов — не длиннее 255 символов, имена параметров — 16383, вложенность — до 512 уровней;
имена не могут содержать переводы строк и символы NUL. Импортируются обычные файлы до 16 МиБ.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the registry refused, 2 bad command line or input (nothing changed).</source>
        <translation>Код возврата: 0 — выполнено, 1 — реестр отказал, 2 — неверная командная строка или ввод (ничего не изменено).</translation>
    </message>
</context>
<context>
    <name>vantrel-usage</name>
    <message>
        <source>usage: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                     [--json | --csv | --openmetrics FILE] [--file DATABASE]</source>
        <translation>использование: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                             [--json | --csv | --openmetrics FILE] [--file DATABASE]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>bytes per local day (default; the last 31 days)</source>
        <translation>байты по местным дням (по умолчанию; последние 31 день)</translation>
    </message>
    <message>
        <source>bytes per month (the last 12 months)</source>
        <translation>байты по месяцам (последние 12 месяцев)</translation>
    </message>
    <message>
        <source>bytes per year (all of the history)</source>
        <translation>байты по годам (вся история)</translation>
    </message>
    <message>
        <source>one line per connection (the last 31 days)</source>
        <translation>по строке на соединение (последние 31 день)</translation>
    </message>
    <message>
        <source>each data plan: its limit, what counts, the billing cycle holding today (or the
--to date), the bytes used in it, the percentage of the limit and the days left</source>
        <translation>каждый тарифный план: его лимит, что учитывается, расчётный период, включающий сегодня
(или дату --to), израсходованные в нём байты, процент от лимита и оставшиеся дни</translation>
    </message>
    <message>
        <source>adds the connections of the monitor&apos;s CSV log FILE that the history lacks</source>
        <translation>добавляет соединения из CSV-журнала монитора FILE, которых нет в истории</translation>
    </message>
    <message>
        <source>one entry name only (default: all, added up); with plan, the plan that
applies to that entry name</source>
        <translation>только одно имя соединения (по умолчанию: все, в сумме); с plan
— тарифный план, который относится к этому имени соединения</translation>
    </message>
    <message>
        <source>from this local date (YYYY-MM-DD) on</source>
        <translation>начиная с этой местной даты (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>up to and including this local date</source>
        <translation>по эту местную дату включительно</translation>
    </message>
    <message>
        <source>JSON instead of aligned text</source>
        <translation>JSON вместо выровненного текста</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>значения через запятую со строкой заголовка</translation>
    </message>
    <message>
        <source>write the totals per entry name in the Prometheus text format to FILE,
replacing it in one step (for node_exporter&apos;s textfile collector)</source>
        <translation>записать итоги по именам соединений в текстовом формате Prometheus в FILE,
заменив его за один шаг (для сборщика textfile в node_exporter)</translation>
    </message>
    <message>
        <source>another history (default: $XDG_DATA_HOME/vantrel/usage.sqlite3)</source>
        <translation>другая история (по умолчанию: $XDG_DATA_HOME/vantrel/usage.sqlite3)</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the history is missing or cannot be read, 2 bad command line.</source>
        <translation>Код возврата: 0 — выполнено, 1 — история отсутствует или не читается, 2 — неверная командная строка.</translation>
    </message>
</context>
</TS>
