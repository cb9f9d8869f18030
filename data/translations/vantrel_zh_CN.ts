<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AntiIdle</name>
    <message>
        <source>%1 - Anti Idle %2 bytes</source>
        <translation>%1 - 防空闲 %2 字节</translation>
    </message>
</context>
<context>
    <name>ConnectionChooser</name>
    <message>
        <source>Point-to-point links, mobile broadband, VPN and PPPoE connections are always watched.
Check any other interface to watch it as a connection.</source>
        <translation>点对点链路、移动宽带、VPN 和 PPPoE 连接始终受到监视。
勾选其他任何接口即可将其作为连接进行监视。</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Other names or patterns (comma-separated):</source>
        <translation>其他名称或模式（以逗号分隔）：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Watched always</source>
        <translation>始终监视</translation>
    </message>
    <message>
        <source>point-to-point</source>
        <translation>点对点</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>modem</source>
        <translation>调制解调器</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>隧道</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>无线</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>以太网</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
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
        <translation>已连接</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>down</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>up</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>no carrier</source>
        <translation>未插入网线</translation>
    </message>
    <message>
        <source>Vantrel - Connections</source>
        <translation>Vantrel - 连接</translation>
    </message>
    <message>
        <source>Vantrel is watching a simulated machine, not this one:
VANTREL_SOURCE=%1
Its connections come from the simulation: there are no interfaces to choose here.
Start Vantrel without VANTREL_SOURCE to choose among this machine&apos;s interfaces.</source>
        <translation>Vantrel 正在观察一台模拟的机器，而不是本机：
VANTREL_SOURCE=%1
其连接来自模拟：这里没有可选择的接口。
不带 VANTREL_SOURCE 启动 Vantrel，即可在本机的接口中选择。</translation>
    </message>
</context>
<context>
    <name>ConnectionLogFile</name>
    <message>
        <source>is a symbolic link</source>
        <translation>是符号链接</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>属于其他用户</translation>
    </message>
    <message>
        <source>Log file: %1 %2; using %3</source>
        <translation>日志文件：%1 %2；改用 %3</translation>
    </message>
    <message>
        <source>Log file: %1 cannot be written; using %2</source>
        <translation>日志文件：无法写入 %1；改用 %2</translation>
    </message>
    <message>
        <source>Log file %1 not written: %2</source>
        <translation>日志文件 %1 未写入：%2</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>它是符号链接</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>它有其他名称（硬链接）</translation>
    </message>
</context>
<context>
    <name>ConnectionMonitor</name>
    <message>
        <source>RAS is not installed.</source>
        <translation>未安装 RAS。</translation>
    </message>
    <message>
        <source>No Performance Statistics Available.</source>
        <translation>没有可用的性能统计。</translation>
    </message>
    <message>
        <source>Stored %1 &quot;%2&quot; is not a number; using 0.</source>
        <translation>存储的 %1“%2”不是数字；使用 0。</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>%1 connected.</source>
        <translation>%1 已连接。</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 已断开。</translation>
    </message>
    <message>
        <source>Reset total connection statistic.</source>
        <translation>已重置连接总计统计。</translation>
    </message>
    <message>
        <source>No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another interface, choose it with &quot;%1&quot; in the popup menu.</source>
        <translation>没有处于连接状态的拨号类链路（PPP、移动宽带、VPN）。要观察其他接口，请在弹出菜单中用“%1”选择。</translation>
    </message>
</context>
<context>
    <name>DataPlan</name>
    <message>
        <source>all connections</source>
        <translation>所有连接</translation>
    </message>
    <message>
        <source>Data plan of %1: %2% reached (%3).</source>
        <translation>%1 的流量套餐：已达到 %2%（%3）。</translation>
    </message>
    <message>
        <source>Data plan: %1% reached</source>
        <translation>流量套餐：已达到 %1%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: write a number and a unit, such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>“%1”不是有效的流量上限：请输入数字和单位，例如 500 MB、5 GB 或 2.5 GiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: the unit &quot;%2&quot; is not one of %3</source>
        <translation>“%1”不是有效的流量上限：单位“%2”不在 %3 之中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large a data limit</source>
        <translation>“%1”作为流量上限过大</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: it must be at least one byte</source>
        <translation>“%1”不是有效的流量上限：至少应为一个字节</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: the day of the month is 1 to 31</source>
        <translation>“%1”不是有效的计费周期：每月的日期应为 1 到 31</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: a cycle is 1 to %2 days long</source>
        <translation>“%1”不是有效的计费周期：周期长度应为 1 到 %2 天</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: %2 is not a date</source>
        <translation>“%1”不是有效的计费周期：%2 不是有效日期</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: write &quot;monthly 15&quot; or &quot;every 30 days from 2026-01-15&quot;</source>
        <translation>“%1”不是有效的计费周期：请写 &quot;monthly 15&quot; 或 &quot;every 30 days from 2026-01-15&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of warning thresholds: &quot;%2&quot; is not a percentage from 1 to %3</source>
        <translation>“%1”不是有效的警告阈值列表：“%2”不是 1 到 %3 之间的百分比</translation>
    </message>
    <message>
        <source>1 day left</source>
        <translation>剩余 1 天</translation>
    </message>
    <message>
        <source>%1 days left</source>
        <translation>剩余 %1 天</translation>
    </message>
    <message>
        <source>%1 of %2 %3, %4%, %5</source>
        <translation>%1 / %2 %3，%4%，%5</translation>
    </message>
    <message>
        <source>Data plan %1\%2 not used: %3</source>
        <translation>流量套餐 %1\%2 未使用：%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;both&quot; nor &quot;download&quot;</source>
        <translation>“%1”既不是 &quot;both&quot; 也不是 &quot;download&quot;</translation>
    </message>
    <message>
        <source>A data plan needs a limit and at least one warning threshold</source>
        <translation>流量套餐需要一个上限和至少一个警告阈值</translation>
    </message>
    <message>
        <source>The entry name &quot;%1&quot; is too long for a data plan of its own</source>
        <translation>连接名称“%1”过长，无法单独设置流量套餐</translation>
    </message>
    <message>
        <source>Data plans count from now on: %1</source>
        <translation>流量套餐从现在开始计数：%1</translation>
    </message>
</context>
<context>
    <name>DataPlanForm</name>
    <message>
        <source>Plan for:</source>
        <translation>套餐适用于：</translation>
    </message>
    <message>
        <source>such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>例如 500 MB、5 GB 或 2.5 GiB</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>上限：</translation>
    </message>
    <message>
        <source>Sent and received</source>
        <translation>已发送和已接收</translation>
    </message>
    <message>
        <source>Received only</source>
        <translation>仅已接收</translation>
    </message>
    <message>
        <source>Counts:</source>
        <translation>计入：</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Every number of days</source>
        <translation>每 n 天</translation>
    </message>
    <message>
        <source>Billing cycle:</source>
        <translation>计费周期：</translation>
    </message>
    <message>
        <source>starts on day</source>
        <translation>每月起始日：</translation>
    </message>
    <message>
        <source>every</source>
        <translation>每</translation>
    </message>
    <message>
        <source>days from</source>
        <translation>天，起始于</translation>
    </message>
    <message>
        <source>Warn at (%):</source>
        <translation>警告阈值（%）：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Clear Plan</source>
        <translation>清除套餐</translation>
    </message>
    <message>
        <source>This connection: %1</source>
        <translation>此连接：%1</translation>
    </message>
    <message>
        <source>All connections</source>
        <translation>所有连接</translation>
    </message>
    <message>
        <source>No data plan is set here.</source>
        <translation>此处未设置流量套餐。</translation>
    </message>
    <message>
        <source>Enter a limit, such as 5 GB.</source>
        <translation>请输入上限，例如 5 GB。</translation>
    </message>
    <message>
        <source>Saved: %1 a cycle.</source>
        <translation>已保存：每个周期 %1。</translation>
    </message>
    <message>
        <source>The data plan is cleared.</source>
        <translation>流量套餐已清除。</translation>
    </message>
    <message>
        <source>The data plan has changes that are not saved. Save them?</source>
        <translation>流量套餐有未保存的更改。是否保存？</translation>
    </message>
    <message>
        <source>Vantrel - Data Plan</source>
        <translation>Vantrel - 流量套餐</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Show Window</source>
        <translation>显示窗口</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error in %1: %2</source>
        <translation>%1 中出错：%2</translation>
    </message>
</context>
<context>
    <name>NetworkManagerReason</name>
    <message>
        <source>The device could not be readied for configuration</source>
        <translation>无法为配置准备设备</translation>
    </message>
    <message>
        <source>The IP configuration is no longer valid</source>
        <translation>IP 配置不再有效</translation>
    </message>
    <message>
        <source>The 802.1X supplicant disconnected</source>
        <translation>802.1X 请求程序已断开</translation>
    </message>
    <message>
        <source>The 802.1X supplicant configuration failed</source>
        <translation>802.1X 请求程序配置失败</translation>
    </message>
    <message>
        <source>The 802.1X supplicant failed</source>
        <translation>802.1X 请求程序失败</translation>
    </message>
    <message>
        <source>The 802.1X supplicant took too long to authenticate</source>
        <translation>802.1X 请求程序认证超时</translation>
    </message>
    <message>
        <source>The PPP service failed to start</source>
        <translation>PPP 服务启动失败</translation>
    </message>
    <message>
        <source>The DHCP client failed to start</source>
        <translation>DHCP 客户端启动失败</translation>
    </message>
    <message>
        <source>DHCP client error</source>
        <translation>DHCP 客户端错误</translation>
    </message>
    <message>
        <source>The shared connection service failed to start</source>
        <translation>共享连接服务启动失败</translation>
    </message>
    <message>
        <source>The shared connection service failed</source>
        <translation>共享连接服务失败</translation>
    </message>
    <message>
        <source>The AutoIP service failed to start</source>
        <translation>AutoIP 服务启动失败</translation>
    </message>
    <message>
        <source>AutoIP service error</source>
        <translation>AutoIP 服务错误</translation>
    </message>
    <message>
        <source>The AutoIP service failed</source>
        <translation>AutoIP 服务失败</translation>
    </message>
    <message>
        <source>The dialing attempt failed</source>
        <translation>拨号尝试失败</translation>
    </message>
    <message>
        <source>Modem initialization failed</source>
        <translation>调制解调器初始化失败</translation>
    </message>
    <message>
        <source>Failed to select the specified APN</source>
        <translation>无法选择指定的 APN</translation>
    </message>
    <message>
        <source>Not searching for mobile networks</source>
        <translation>未在搜索移动网络</translation>
    </message>
    <message>
        <source>Mobile network registration denied</source>
        <translation>移动网络注册被拒绝</translation>
    </message>
    <message>
        <source>Mobile network registration timed out</source>
        <translation>移动网络注册超时</translation>
    </message>
    <message>
        <source>Failed to register with the requested mobile network</source>
        <translation>无法注册到请求的移动网络</translation>
    </message>
    <message>
        <source>The PIN check failed</source>
        <translation>PIN 码检查失败</translation>
    </message>
    <message>
        <source>Necessary firmware for the device may be missing</source>
        <translation>可能缺少设备所需的固件</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep</source>
        <translation>NetworkManager 已进入睡眠状态</translation>
    </message>
    <message>
        <source>The device&apos;s active connection disappeared</source>
        <translation>设备的活动连接已消失</translation>
    </message>
    <message>
        <source>The carrier changed</source>
        <translation>载波状态已改变</translation>
    </message>
    <message>
        <source>The modem could not be found</source>
        <translation>找不到调制解调器</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed or timed out</source>
        <translation>蓝牙连接失败或超时</translation>
    </message>
    <message>
        <source>The SIM card is not inserted</source>
        <translation>未插入 SIM 卡</translation>
    </message>
    <message>
        <source>The SIM PIN is required</source>
        <translation>需要 SIM 卡 PIN 码</translation>
    </message>
    <message>
        <source>The SIM PUK is required</source>
        <translation>需要 SIM 卡 PUK 码</translation>
    </message>
    <message>
        <source>The SIM card is wrong</source>
        <translation>SIM 卡不正确</translation>
    </message>
    <message>
        <source>A dependency of the connection failed</source>
        <translation>连接的某个依赖项失败</translation>
    </message>
    <message>
        <source>ModemManager is not running</source>
        <translation>ModemManager 未运行</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found</source>
        <translation>找不到 Wi-Fi 网络</translation>
    </message>
    <message>
        <source>A secondary connection of the base connection failed</source>
        <translation>基础连接的某个辅助连接失败</translation>
    </message>
    <message>
        <source>The SIM PIN is incorrect</source>
        <translation>SIM 卡 PIN 码不正确</translation>
    </message>
    <message>
        <source>A new activation was enqueued</source>
        <translation>新的激活已加入队列</translation>
    </message>
    <message>
        <source>The IP address is in use by another host</source>
        <translation>IP 地址已被其他主机使用</translation>
    </message>
    <message>
        <source>The IP method is not supported</source>
        <translation>不支持该 IP 方法</translation>
    </message>
    <message>
        <source>The peer could not be found</source>
        <translation>找不到对等方</translation>
    </message>
</context>
<context>
    <name>PlatformWarning</name>
    <message>
        <source>start-up command %1 cannot be written as an autostart entry</source>
        <translation>启动命令 %1 无法写为自动启动项</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1</source>
        <translation>无法写入自动启动项 %1</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1: %2</source>
        <translation>无法写入自动启动项 %1：%2</translation>
    </message>
    <message>
        <source>cannot remove the autostart entry %1: %2</source>
        <translation>无法删除自动启动项 %1：%2</translation>
    </message>
    <message>
        <source>registry database %1 cannot be opened: %2; settings are not saved</source>
        <translation>无法打开注册表数据库 %1：%2；设置不会被保存</translation>
    </message>
    <message>
        <source>registry database %1 was written by a newer version; opened read-only</source>
        <translation>注册表数据库 %1 由较新版本写入；已以只读方式打开</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2) and could not be moved aside: %3</source>
        <translation>注册表数据库 %1 已损坏（%2），且无法移到一旁：%3</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2); moved aside as %3 and replaced by an empty one</source>
        <translation>注册表数据库 %1 已损坏（%2）；已移到一旁为 %3，并以空数据库替换</translation>
    </message>
    <message>
        <source>registry database %1 could not be written: %2; settings changed meanwhile are not saved</source>
        <translation>无法写入注册表数据库 %1：%2；其间更改的设置不会被保存</translation>
    </message>
    <message>
        <source>registry database %1 can be written again</source>
        <translation>注册表数据库 %1 可以再次写入</translation>
    </message>
</context>
<context>
    <name>StartupNote</name>
    <message>
        <source>Single-instance lock not taken: %1; a second start would run beside this one.</source>
        <translation>未获取单实例锁：%1；再次启动将与本实例同时运行。</translation>
    </message>
    <message>
        <source>Wayland session without XWayland: the monitor window cannot stay on top or keep its place.</source>
        <translation>没有 XWayland 的 Wayland 会话：监视器窗口无法总在最前，也无法保持其位置。</translation>
    </message>
    <message>
        <source>Wayland session: running on XWayland, so that the monitor window can stay on top.</source>
        <translation>Wayland 会话：在 XWayland 上运行，以便监视器窗口可以总在最前。</translation>
    </message>
    <message>
        <source>A second start cannot ask this one to show its window: %1</source>
        <translation>再次启动时无法请求此程序显示其窗口：%1</translation>
    </message>
    <message>
        <source>Another start of Vantrel asked for this window.</source>
        <translation>另一次启动的 Vantrel 请求显示此窗口。</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Vantrel - About</source>
        <translation>Vantrel - 关于</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Copy client IP %1 to clipboard.</source>
        <translation>已将客户端 IP %1 复制到剪贴板。</translation>
    </message>
    <message>
        <source>  Current Connection  </source>
        <translation>  当前连接  </translation>
    </message>
    <message>
        <source>  Last Connection  </source>
        <translation>  上次连接  </translation>
    </message>
    <message>
        <source>  Total Connection  </source>
        <translation>  连接总计  </translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>连接：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>bits/s</source>
        <translation>位/秒</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>已发送：</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>Received:</source>
        <translation>已接收：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>DNS Server:</source>
        <translation>DNS 服务器：</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>服务器 IP：</translation>
    </message>
    <message>
        <source>Client IP:</source>
        <translation>客户端 IP：</translation>
    </message>
    <message>
        <source>Upload Speed:</source>
        <translation>上传速度：</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>字节/秒</translation>
    </message>
    <message>
        <source>Download Speed:</source>
        <translation>下载速度：</translation>
    </message>
    <message>
        <source>Double click to copy to clipboard</source>
        <translation>双击复制到剪贴板</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Double click to reset stats</source>
        <translation>双击重置统计</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>Start Minimized</source>
        <translation>启动时最小化</translation>
    </message>
    <message>
        <source>Load on Startup</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>保存日志</translation>
    </message>
    <message>
        <source>Anti Idle...</source>
        <translation>防空闲...</translation>
    </message>
    <message>
        <source>Sound...</source>
        <translation>声音...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>连接...</translation>
    </message>
    <message>
        <source>Show Monitor...</source>
        <translation>显示监视器...</translation>
    </message>
    <message>
        <source>Hide Monitor when Offline</source>
        <translation>离线时隐藏监视器</translation>
    </message>
    <message>
        <source>Transparent Monitor</source>
        <translation>透明监视器</translation>
    </message>
    <message>
        <source>Copy IP to Clipboard</source>
        <translation>复制 IP 到剪贴板</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>关于 Vantrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>No notification area on this desktop: Vantrel minimises to the taskbar.</source>
        <translation>此桌面没有通知区域：Vantrel 将最小化到任务栏。</translation>
    </message>
    <message>
        <source>Usage...</source>
        <translation>数据使用量...</translation>
    </message>
    <message>
        <source>Data Plan...</source>
        <translation>流量套餐...</translation>
    </message>
</context>
<context>
    <name>TMonForm</name>
    <message>
        <source>Vantrel - Monitor</source>
        <translation>Vantrel - 监视器</translation>
    </message>
</context>
<context>
    <name>TRasCon</name>
    <message>
        <source>Opening Serial Port</source>
        <translation>正在打开串口</translation>
    </message>
    <message>
        <source>Serial Port Opened</source>
        <translation>串口已打开</translation>
    </message>
    <message>
        <source>Connecting/Dialling</source>
        <translation>正在连接/拨号</translation>
    </message>
    <message>
        <source>Connected/Answered</source>
        <translation>已连接/已应答</translation>
    </message>
    <message>
        <source>Connected/Negotiation</source>
        <translation>已连接/协商中</translation>
    </message>
    <message>
        <source>Validating User and Password</source>
        <translation>正在验证用户名和密码</translation>
    </message>
    <message>
        <source>Authentication Notification</source>
        <translation>身份验证通知</translation>
    </message>
    <message>
        <source>Authentication Call Back</source>
        <translation>身份验证回拨</translation>
    </message>
    <message>
        <source>Projection Started</source>
        <translation>投影已开始</translation>
    </message>
    <message>
        <source>Calculating Link speed</source>
        <translation>正在计算链路速度</translation>
    </message>
    <message>
        <source>Authentication acknowledged</source>
        <translation>身份验证已确认</translation>
    </message>
    <message>
        <source>Reauthenticating</source>
        <translation>正在重新验证身份</translation>
    </message>
    <message>
        <source>Login Authenticated</source>
        <translation>登录已验证</translation>
    </message>
    <message>
        <source>Preparing for Callback</source>
        <translation>正在准备回拨</translation>
    </message>
    <message>
        <source>Waiting for Modem Reset</source>
        <translation>正在等待调制解调器复位</translation>
    </message>
    <message>
        <source>Waiting for Callback</source>
        <translation>正在等待回拨</translation>
    </message>
    <message>
        <source>Projection Completion</source>
        <translation>投影完成</translation>
    </message>
    <message>
        <source>Start Authentication</source>
        <translation>开始身份验证</translation>
    </message>
    <message>
        <source>Callback Complete</source>
        <translation>回拨完成</translation>
    </message>
    <message>
        <source>Logon to Network</source>
        <translation>登录到网络</translation>
    </message>
    <message>
        <source>Extra Channel Connected</source>
        <translation>附加通道已连接</translation>
    </message>
    <message>
        <source>Extra Channel Disconnected</source>
        <translation>附加通道已断开</translation>
    </message>
    <message>
        <source>Interactive Terminal</source>
        <translation>交互式终端</translation>
    </message>
    <message>
        <source>Retry Authentication</source>
        <translation>重试身份验证</translation>
    </message>
    <message>
        <source>Callback Set By Caller</source>
        <translation>回拨由呼叫方设置</translation>
    </message>
    <message>
        <source>Password Expires</source>
        <translation>密码即将过期</translation>
    </message>
    <message>
        <source>Paused for Authentication</source>
        <translation>已暂停以进行身份验证</translation>
    </message>
    <message>
        <source>Connected/Online</source>
        <translation>已连接/在线</translation>
    </message>
    <message>
        <source>Disconnected/Offline</source>
        <translation>已断开/离线</translation>
    </message>
    <message>
        <source>Unknown DUN Version</source>
        <translation>未知的拨号网络版本</translation>
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
        <translation>未知状态 (%1)</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Device Connecting/Dialling</source>
        <translation>设备正在连接/拨号</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>不可用</translation>
    </message>
</context>
<context>
    <name>TRasPer</name>
    <message>
        <source>Unable to Read Registry Key - %1/%2</source>
        <translation>无法读取注册表项 - %1/%2</translation>
    </message>
    <message>
        <source>Unable to Locate Win9x Dial-Up Adapter</source>
        <translation>找不到 Win9x 拨号适配器</translation>
    </message>
    <message>
        <source>Unable to Find Performance Data Helper Library (PDH.DLL)</source>
        <translation>找不到性能数据帮助程序库 (PDH.DLL)</translation>
    </message>
    <message>
        <source>Unable to Initialise Performance Data Helper Library (PDH.DLL), ErrCode 0%1</source>
        <translation>无法初始化性能数据帮助程序库 (PDH.DLL)，错误代码 0%1</translation>
    </message>
    <message>
        <source>Unable to Open Registry Key - %1</source>
        <translation>无法打开注册表项 - %1</translation>
    </message>
    <message>
        <source>No Performance Data Returned for Object - %1</source>
        <translation>对象未返回性能数据 - %1</translation>
    </message>
    <message>
        <source>No Performance Object Blocks Found for - %1</source>
        <translation>未找到以下项的性能对象块 - %1</translation>
    </message>
</context>
<context>
    <name>ToolHelp</name>
    <message>
        <source>show this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
</context>
<context>
    <name>UsageChart</name>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Used in cycle</source>
        <translation>本周期已用</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>%1: %2 sent, %3 received</source>
        <translation>%1：已发送 %2，已接收 %3</translation>
    </message>
</context>
<context>
    <name>UsageConnectionsModel</name>
    <message>
        <source>%1 (up)</source>
        <translation>%1（进行中）</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>地址</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>%1; monitoring goes on</source>
        <translation>%1；监视继续进行</translation>
    </message>
    <message>
        <source>usage history %1: cannot be written: %2</source>
        <translation>使用历史记录 %1：无法写入：%2</translation>
    </message>
    <message>
        <source>usage history %1: cannot be read: %2</source>
        <translation>使用历史记录 %1：无法读取：%2</translation>
    </message>
    <message>
        <source>usage history %1: no such file (nothing recorded yet)</source>
        <translation>使用历史记录 %1：文件不存在（尚未记录任何数据）</translation>
    </message>
    <message>
        <source>usage history %1 was damaged; moved aside as %2 and started afresh</source>
        <translation>使用历史记录 %1 已损坏；已移到一旁为 %2 并重新开始</translation>
    </message>
    <message>
        <source>usage history %1: written by a newer version; not recorded</source>
        <translation>使用历史记录 %1：由较新版本写入；不进行记录</translation>
    </message>
    <message>
        <source>usage history %1: cannot be opened: %2</source>
        <translation>使用历史记录 %1：无法打开：%2</translation>
    </message>
    <message>
        <source>usage history %1: not open</source>
        <translation>使用历史记录 %1：未打开</translation>
    </message>
    <message>
        <source>usage history %1: cannot be compacted: %2</source>
        <translation>使用历史记录 %1：无法压缩：%2</translation>
    </message>
    <message>
        <source>usage history %1 was removed or moved; a new one is started</source>
        <translation>使用历史记录 %1 已被删除或移动；已开始新的记录</translation>
    </message>
</context>
<context>
    <name>UsageTexts</name>
    <message>
        <source>%1 %2</source>
        <comment>a month&apos;s name as it stands alone, and its year</comment>
        <translation>%2年%1</translation>
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
        <translation>Vantrel - 数据使用量</translation>
    </message>
    <message>
        <source>Monthly usage, the last twelve months</source>
        <translation>每月使用量（最近十二个月）</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Daily Usage...</source>
        <translation>每日使用量...</translation>
    </message>
    <message>
        <source>Monthly Usage...</source>
        <translation>每月使用量...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>连接...</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet.</source>
        <translation>尚未记录任何数据。</translation>
    </message>
    <message>
        <source>Daily usage, the cycle from %1 to %2</source>
        <translation>每日使用量，计费周期 %1 至 %2</translation>
    </message>
    <message>
        <source>Daily usage, %1</source>
        <translation>每日使用量，%1</translation>
    </message>
    <message>
        <source>At this rate: %1 by %2</source>
        <translation>按此速度：到 %2 将达 %1</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, 1 day left</source>
        <translation>已使用 %1 / %2，%3%，剩余 1 天</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, %4 days left</source>
        <translation>已使用 %1 / %2，%3%，剩余 %4 天</translation>
    </message>
    <message>
        <source>This month: %1 (%2 sent, %3 received); last month: %4</source>
        <translation>本月：%1（已发送 %2，已接收 %3）；上月：%4</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON 文件 (*.json)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>the format of the cycle&apos;s last day</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>显示：</translation>
    </message>
    <message>
        <source>Previous cycle</source>
        <translation>上一周期</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Next cycle</source>
        <translation>下一周期</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for all connections</source>
        <translation>所有连接的套餐计费周期</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for %1</source>
        <translation>%1 的套餐计费周期</translation>
    </message>
    <message>
        <source>Calendar months of all connections</source>
        <translation>所有连接的自然月</translation>
    </message>
    <message>
        <source>Calendar months of %1</source>
        <translation>%1 的自然月</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%</source>
        <translation>已使用 %1 / %2，%3%</translation>
    </message>
    <message>
        <source>Nothing left for the days remaining</source>
        <translation>剩余天数已无可用流量</translation>
    </message>
    <message>
        <source>Left for the last day: %1</source>
        <translation>最后一天剩余：%1</translation>
    </message>
    <message>
        <source>Left per remaining day: %1</source>
        <translation>剩余每天可用：%1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 sent, %4 received)</source>
        <translation>%1：%2（已发送 %3，已接收 %4）</translation>
    </message>
</context>
<context>
    <name>WinMessages</name>
    <message>
        <source>An operation is pending.</source>
        <translation>操作正在等待中。</translation>
    </message>
    <message>
        <source>The port handle is invalid.</source>
        <translation>端口句柄无效。</translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation>端口已经打开。</translation>
    </message>
    <message>
        <source>Caller&apos;s buffer is too small.</source>
        <translation>调用方的缓冲区太小。</translation>
    </message>
    <message>
        <source>Wrong information specified.</source>
        <translation>指定的信息有误。</translation>
    </message>
    <message>
        <source>Cannot set port information.</source>
        <translation>无法设置端口信息。</translation>
    </message>
    <message>
        <source>The port is not connected.</source>
        <translation>端口未连接。</translation>
    </message>
    <message>
        <source>The event is invalid.</source>
        <translation>事件无效。</translation>
    </message>
    <message>
        <source>The device does not exist.</source>
        <translation>设备不存在。</translation>
    </message>
    <message>
        <source>The device type does not exist.</source>
        <translation>设备类型不存在。</translation>
    </message>
    <message>
        <source>The buffer is invalid.</source>
        <translation>缓冲区无效。</translation>
    </message>
    <message>
        <source>The route is not available.</source>
        <translation>路由不可用。</translation>
    </message>
    <message>
        <source>The route is not allocated.</source>
        <translation>路由未分配。</translation>
    </message>
    <message>
        <source>Invalid compression specified.</source>
        <translation>指定的压缩无效。</translation>
    </message>
    <message>
        <source>Out of buffers.</source>
        <translation>缓冲区不足。</translation>
    </message>
    <message>
        <source>The port was not found.</source>
        <translation>找不到端口。</translation>
    </message>
    <message>
        <source>An asynchronous request is pending.</source>
        <translation>异步请求正在等待中。</translation>
    </message>
    <message>
        <source>The port or device is already disconnecting.</source>
        <translation>端口或设备已在断开连接。</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>端口未打开。</translation>
    </message>
    <message>
        <source>The port is disconnected.</source>
        <translation>端口处于断开状态。</translation>
    </message>
    <message>
        <source>There are no endpoints.</source>
        <translation>没有终结点。</translation>
    </message>
    <message>
        <source>Cannot open the phone book file.</source>
        <translation>无法打开电话簿文件。</translation>
    </message>
    <message>
        <source>Cannot load the phone book file.</source>
        <translation>无法加载电话簿文件。</translation>
    </message>
    <message>
        <source>Cannot find the phone book entry.</source>
        <translation>找不到电话簿项。</translation>
    </message>
    <message>
        <source>Cannot write the phone book file.</source>
        <translation>无法写入电话簿文件。</translation>
    </message>
    <message>
        <source>Invalid information found in the phone book file.</source>
        <translation>在电话簿文件中发现无效信息。</translation>
    </message>
    <message>
        <source>Cannot load a string.</source>
        <translation>无法加载字符串。</translation>
    </message>
    <message>
        <source>Cannot find key.</source>
        <translation>找不到键。</translation>
    </message>
    <message>
        <source>The port was disconnected.</source>
        <translation>端口已断开连接。</translation>
    </message>
    <message>
        <source>The port was disconnected by the remote machine.</source>
        <translation>端口已被远程计算机断开连接。</translation>
    </message>
    <message>
        <source>The port was disconnected due to hardware failure.</source>
        <translation>端口因硬件故障而断开连接。</translation>
    </message>
    <message>
        <source>The port was disconnected by the user.</source>
        <translation>端口已被用户断开连接。</translation>
    </message>
    <message>
        <source>The structure size is incorrect.</source>
        <translation>结构大小不正确。</translation>
    </message>
    <message>
        <source>The port is already in use or is not configured for Remote Access dial out.</source>
        <translation>端口已在使用中，或未配置为远程访问拨出。</translation>
    </message>
    <message>
        <source>Cannot register your computer on the remote network.</source>
        <translation>无法在远程网络上注册你的计算机。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>未知错误。</translation>
    </message>
    <message>
        <source>The wrong device is attached to the port.</source>
        <translation>端口上连接的设备不正确。</translation>
    </message>
    <message>
        <source>The string could not be converted.</source>
        <translation>无法转换字符串。</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>请求已超时。</translation>
    </message>
    <message>
        <source>Internal authentication error.</source>
        <translation>内部身份验证错误。</translation>
    </message>
    <message>
        <source>The account is not permitted to log on at this time of day.</source>
        <translation>不允许该帐户在一天中的这个时间登录。</translation>
    </message>
    <message>
        <source>The account is disabled.</source>
        <translation>帐户已禁用。</translation>
    </message>
    <message>
        <source>The password has expired.</source>
        <translation>密码已过期。</translation>
    </message>
    <message>
        <source>The account does not have Remote Access permission.</source>
        <translation>该帐户没有远程访问权限。</translation>
    </message>
    <message>
        <source>The Remote Access server is not responding.</source>
        <translation>远程访问服务器没有响应。</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) has reported an error.</source>
        <translation>调制解调器（或其他连接设备）报告了错误。</translation>
    </message>
    <message>
        <source>Unrecognized response from the device.</source>
        <translation>无法识别设备的响应。</translation>
    </message>
    <message>
        <source>A macro required by the device was not found in the device .INF file section.</source>
        <translation>在设备 .INF 文件节中找不到设备所需的宏。</translation>
    </message>
    <message>
        <source>The &lt;message&gt; macro was not found in the device .INF file section.</source>
        <translation>在设备 .INF 文件节中找不到 &lt;message&gt; 宏。</translation>
    </message>
    <message>
        <source>The &lt;defaultoff&gt; macro in the device .INF file section contains an undefined macro.</source>
        <translation>设备 .INF 文件节中的 &lt;defaultoff&gt; 宏包含未定义的宏。</translation>
    </message>
    <message>
        <source>The device .INF file could not be opened.</source>
        <translation>无法打开设备 .INF 文件。</translation>
    </message>
    <message>
        <source>The device name in the device .INF or media .INI file is too long.</source>
        <translation>设备 .INF 文件或媒体 .INI 文件中的设备名称太长。</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device name.</source>
        <translation>媒体 .INI 文件引用了未知的设备名称。</translation>
    </message>
    <message>
        <source>The device .INF file contains no responses for the command.</source>
        <translation>设备 .INF 文件中没有该命令的响应。</translation>
    </message>
    <message>
        <source>The device .INF file is missing a command.</source>
        <translation>设备 .INF 文件缺少命令。</translation>
    </message>
    <message>
        <source>Attempted to set a macro not listed in device .INF file section.</source>
        <translation>试图设置未在设备 .INF 文件节中列出的宏。</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device type.</source>
        <translation>媒体 .INI 文件引用了未知的设备类型。</translation>
    </message>
    <message>
        <source>Cannot allocate memory.</source>
        <translation>无法分配内存。</translation>
    </message>
    <message>
        <source>The port is not configured for Remote Access.</source>
        <translation>端口未配置为远程访问。</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) is not functioning.</source>
        <translation>调制解调器（或其他连接设备）不工作。</translation>
    </message>
    <message>
        <source>Cannot read the media .INI file.</source>
        <translation>无法读取媒体 .INI 文件。</translation>
    </message>
    <message>
        <source>The connection dropped.</source>
        <translation>连接已断开。</translation>
    </message>
    <message>
        <source>The usage parameter in the media .INI file is invalid.</source>
        <translation>媒体 .INI 文件中的用法参数无效。</translation>
    </message>
    <message>
        <source>Cannot read the section name from the media .INI file.</source>
        <translation>无法从媒体 .INI 文件中读取节名称。</translation>
    </message>
    <message>
        <source>Cannot read the device type from the media .INI file.</source>
        <translation>无法从媒体 .INI 文件中读取设备类型。</translation>
    </message>
    <message>
        <source>Cannot read the device name from the media .INI file.</source>
        <translation>无法从媒体 .INI 文件中读取设备名称。</translation>
    </message>
    <message>
        <source>Cannot read the usage from the media .INI file.</source>
        <translation>无法从媒体 .INI 文件中读取用法。</translation>
    </message>
    <message>
        <source>Cannot read the maximum connection BPS rate from the media .INI file.</source>
        <translation>无法从媒体 .INI 文件中读取最大连接速率 (BPS)。</translation>
    </message>
    <message>
        <source>Cannot read the maximum carrier BPS rate from the media .INI file.</source>
        <translation>无法从媒体 .INI 文件中读取最大载波速率 (BPS)。</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>线路忙。</translation>
    </message>
    <message>
        <source>A person answered instead of a modem.</source>
        <translation>应答的是人而不是调制解调器。</translation>
    </message>
    <message>
        <source>There is no answer.</source>
        <translation>无人应答。</translation>
    </message>
    <message>
        <source>Cannot detect carrier.</source>
        <translation>无法检测到载波。</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>没有拨号音。</translation>
    </message>
    <message>
        <source>General error reported by device.</source>
        <translation>设备报告了一般错误。</translation>
    </message>
    <message>
        <source>Access denied because username and/or password is invalid on the domain.</source>
        <translation>由于用户名和/或密码在该域上无效，访问被拒绝。</translation>
    </message>
    <message>
        <source>Hardware failure in port or attached device.</source>
        <translation>端口或连接的设备出现硬件故障。</translation>
    </message>
    <message>
        <source>State machines are not started.</source>
        <translation>状态机未启动。</translation>
    </message>
    <message>
        <source>State machines are already started.</source>
        <translation>状态机已经启动。</translation>
    </message>
    <message>
        <source>Response looping did not complete.</source>
        <translation>响应循环未完成。</translation>
    </message>
    <message>
        <source>The device response caused buffer overflow.</source>
        <translation>设备的响应导致缓冲区溢出。</translation>
    </message>
    <message>
        <source>The expanded command in the device .INF file is too long.</source>
        <translation>设备 .INF 文件中展开后的命令太长。</translation>
    </message>
    <message>
        <source>The device moved to a BPS rate not supported by the COM driver.</source>
        <translation>设备切换到了 COM 驱动程序不支持的速率 (BPS)。</translation>
    </message>
    <message>
        <source>Device response received when none expected.</source>
        <translation>在不应有响应时收到了设备的响应。</translation>
    </message>
    <message>
        <source>The connection needs information from you, but the application does not allow user interaction.</source>
        <translation>连接需要你提供信息，但应用程序不允许用户交互。</translation>
    </message>
    <message>
        <source>The callback number is invalid.</source>
        <translation>回拨号码无效。</translation>
    </message>
    <message>
        <source>The authorization state is invalid.</source>
        <translation>授权状态无效。</translation>
    </message>
    <message>
        <source>There was an error related to the X.25 protocol.</source>
        <translation>出现与 X.25 协议有关的错误。</translation>
    </message>
    <message>
        <source>The account has expired.</source>
        <translation>帐户已过期。</translation>
    </message>
    <message>
        <source>There was an error changing the password on the domain.</source>
        <translation>在域上更改密码时出错。</translation>
    </message>
    <message>
        <source>Serial overrun errors were detected while communicating with your modem.</source>
        <translation>与调制解调器通信时检测到串行溢出错误。</translation>
    </message>
    <message>
        <source>The Remote Access Service Manager could not start.</source>
        <translation>远程访问服务管理器无法启动。</translation>
    </message>
    <message>
        <source>The two-way port is initializing.</source>
        <translation>双向端口正在初始化。</translation>
    </message>
    <message>
        <source>No active ISDN lines are available.</source>
        <translation>没有可用的活动 ISDN 线路。</translation>
    </message>
    <message>
        <source>No ISDN channels are available to make the call.</source>
        <translation>没有可用于呼叫的 ISDN 信道。</translation>
    </message>
    <message>
        <source>Too many errors occurred because of poor phone line quality.</source>
        <translation>由于电话线路质量差，出现的错误太多。</translation>
    </message>
    <message>
        <source>The Remote Access Service IP configuration is unusable.</source>
        <translation>远程访问服务的 IP 配置不可用。</translation>
    </message>
    <message>
        <source>No IP addresses are available in the static pool of Remote Access Service IP addresses.</source>
        <translation>远程访问服务 IP 地址的静态池中没有可用的 IP 地址。</translation>
    </message>
    <message>
        <source>The connection was terminated because the remote computer did not respond in a timely manner.</source>
        <translation>由于远程计算机未及时响应，连接已终止。</translation>
    </message>
    <message>
        <source>The connection was terminated by the remote computer.</source>
        <translation>连接已被远程计算机终止。</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be established. No PPP control protocols configured.</source>
        <translation>无法建立到远程计算机的连接。未配置 PPP 控制协议。</translation>
    </message>
    <message>
        <source>The remote computer did not respond.</source>
        <translation>远程计算机没有响应。</translation>
    </message>
    <message>
        <source>Invalid data was received from the remote computer.</source>
        <translation>从远程计算机收到了无效数据。</translation>
    </message>
    <message>
        <source>The phone number, including prefix and suffix, is too long.</source>
        <translation>电话号码（包括前缀和后缀）太长。</translation>
    </message>
    <message>
        <source>The IPX protocol cannot be used for dial-out on more than one modem at a time.</source>
        <translation>IPX 协议不能同时在多个调制解调器上用于拨出。</translation>
    </message>
    <message>
        <source>The system cannot find an IP adapter.</source>
        <translation>系统找不到 IP 适配器。</translation>
    </message>
    <message>
        <source>SLIP cannot be used unless the IP protocol is installed.</source>
        <translation>只有安装了 IP 协议才能使用 SLIP。</translation>
    </message>
    <message>
        <source>Computer registration is not complete.</source>
        <translation>计算机注册未完成。</translation>
    </message>
    <message>
        <source>The protocol is not configured.</source>
        <translation>协议未配置。</translation>
    </message>
    <message>
        <source>Your computer and the remote computer could not agree on PPP control protocols.</source>
        <translation>你的计算机与远程计算机无法就 PPP 控制协议达成一致。</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be completed.</source>
        <translation>无法完成到远程计算机的连接。</translation>
    </message>
    <message>
        <source>The PPP link control protocol was terminated.</source>
        <translation>PPP 链路控制协议已终止。</translation>
    </message>
    <message>
        <source>The requested address was rejected by the server.</source>
        <translation>请求的地址被服务器拒绝。</translation>
    </message>
    <message>
        <source>The remote computer terminated the control protocol.</source>
        <translation>远程计算机终止了控制协议。</translation>
    </message>
    <message>
        <source>Loopback was detected.</source>
        <translation>检测到环回。</translation>
    </message>
    <message>
        <source>The server did not assign an address.</source>
        <translation>服务器未分配地址。</translation>
    </message>
    <message>
        <source>The authentication protocol required by the remote server cannot use the stored password.</source>
        <translation>远程服务器要求的身份验证协议无法使用保存的密码。</translation>
    </message>
    <message>
        <source>An invalid dialing rule was detected.</source>
        <translation>检测到无效的拨号规则。</translation>
    </message>
    <message>
        <source>The local computer does not support the required data encryption type.</source>
        <translation>本地计算机不支持所需的数据加密类型。</translation>
    </message>
    <message>
        <source>The remote computer does not support the required data encryption type.</source>
        <translation>远程计算机不支持所需的数据加密类型。</translation>
    </message>
    <message>
        <source>The remote server requires encryption.</source>
        <translation>远程服务器要求加密。</translation>
    </message>
    <message>
        <source>The callback number contains an invalid character.</source>
        <translation>回拨号码包含无效字符。</translation>
    </message>
    <message>
        <source>A syntax error was encountered while processing a script.</source>
        <translation>处理脚本时遇到语法错误。</translation>
    </message>
    <message>
        <source>The connection could not be disconnected because it was created by the multi-protocol router.</source>
        <translation>无法断开该连接，因为它是由多协议路由器创建的。</translation>
    </message>
    <message>
        <source>The system could not find the multi-link bundle.</source>
        <translation>系统找不到多重链接捆绑。</translation>
    </message>
    <message>
        <source>The remote computer is not reachable.</source>
        <translation>无法访问远程计算机。</translation>
    </message>
    <message>
        <source>The remote computer refused the connection attempt.</source>
        <translation>远程计算机拒绝了连接尝试。</translation>
    </message>
    <message>
        <source>The connection attempt failed because the network is busy.</source>
        <translation>由于网络繁忙，连接尝试失败。</translation>
    </message>
    <message>
        <source>The connection attempt failed because the modem on the remote computer is out of order.</source>
        <translation>由于远程计算机上的调制解调器出现故障，连接尝试失败。</translation>
    </message>
    <message>
        <source>It was not possible to verify the identity of the server.</source>
        <translation>无法验证服务器的身份。</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>操作成功完成。</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>函数不正确。</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>系统找不到指定的文件。</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>系统找不到指定的路径。</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>拒绝访问。</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>句柄无效。</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>存储空间不足，无法处理此命令。</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>存储空间不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>连接到系统上的设备没有发挥作用。</translation>
    </message>
    <message>
        <source>The request is not supported.</source>
        <translation>不支持该请求。</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>参数错误。</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>文件名太长。</translation>
    </message>
    <message>
        <source>This function is not supported on this system.</source>
        <translation>此系统不支持该功能。</translation>
    </message>
    <message>
        <source>The data area passed to a system call is too small.</source>
        <translation>传递给系统调用的数据区域太小。</translation>
    </message>
    <message>
        <source>The specified module could not be found.</source>
        <translation>找不到指定的模块。</translation>
    </message>
    <message>
        <source>The specified procedure could not be found.</source>
        <translation>找不到指定的程序。</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>请求的资源正在使用中。</translation>
    </message>
    <message>
        <source>More data is available.</source>
        <translation>有更多数据可用。</translation>
    </message>
    <message>
        <source>No more data is available.</source>
        <translation>没有更多数据可用。</translation>
    </message>
    <message>
        <source>One of the library files needed to run this application cannot be found.</source>
        <translation>找不到运行此应用程序所需的某个库文件。</translation>
    </message>
</context>
<context>
    <name>monitortexts</name>
    <message>
        <source>N/A</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>连接： %1</translation>
    </message>
    <message>
        <source>Speed: %1 bps</source>
        <translation>速度： %1 bps</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>时长： %1</translation>
    </message>
    <message>
        <source>Client IP: %1</source>
        <translation>客户端 IP： %1</translation>
    </message>
    <message>
        <source>Online: %1</source>
        <translation>上线： %1</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>下线： %1</translation>
    </message>
</context>
<context>
    <name>vantrel-fetch</name>
    <message>
        <source>Fetches URL with the monitor&apos;s HTTP/1.0 client and prints each event on its own line in the
order it is raised, then the response&apos;s status line.</source>
        <translation>使用监视器的 HTTP/1.0 客户端获取 URL，按事件发生的顺序每行输出一个事件，
最后输出响应的状态行。</translation>
    </message>
    <message>
        <source>send the request through this HTTP proxy</source>
        <translation>通过此 HTTP 代理发送请求</translation>
    </message>
    <message>
        <source>Basic authorization for the proxy</source>
        <translation>代理的 Basic 授权</translation>
    </message>
    <message>
        <source>connect through a CONNECT tunnel or a SOCKS server</source>
        <translation>通过 CONNECT 隧道或 SOCKS 服务器连接</translation>
    </message>
    <message>
        <source>the firewall or SOCKS server</source>
        <translation>防火墙或 SOCKS 服务器</translation>
    </message>
    <message>
        <source>user (and password) the firewall asks for</source>
        <translation>防火墙要求的用户（及密码）</translation>
    </message>
    <message>
        <source>give up after S seconds (default: never)</source>
        <translation>S 秒后放弃（默认：从不）</translation>
    </message>
    <message>
        <source>User-Agent header</source>
        <translation>User-Agent 标头</translation>
    </message>
    <message>
        <source>Accept header</source>
        <translation>Accept 标头</translation>
    </message>
    <message>
        <source>send HEAD instead of GET</source>
        <translation>发送 HEAD 而不是 GET</translation>
    </message>
    <message>
        <source>send POST with TEXT as body</source>
        <translation>发送 POST，以 TEXT 为正文</translation>
    </message>
    <message>
        <source>usage: vantrel-fetch [OPTIONS] URL</source>
        <translation>用法：vantrel-fetch [OPTIONS] URL</translation>
    </message>
    <message>
        <source>its port (default: 80 for tunnel, 1080 for SOCKS)</source>
        <translation>其端口（默认：tunnel 为 80，SOCKS 为 1080）</translation>
    </message>
    <message>
        <source>which redirects to follow (default: never)</source>
        <translation>要跟随哪些重定向（默认：never）</translation>
    </message>
    <message>
        <source>keep at most N bytes of the body (0: all; default: 4096)</source>
        <translation>最多保留正文的 N 个字节（0：全部；默认：4096）</translation>
    </message>
    <message>
        <source>also write the body to FILE</source>
        <translation>同时将正文写入 FILE</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the request failed (&quot;code: text&quot; on standard error), 2 bad command line.</source>
        <translation>退出状态：0 完成，1 请求失败（标准错误输出“code: text”），2 命令行有误。</translation>
    </message>
</context>
<context>
    <name>vantrel-ras</name>
    <message>
        <source>usage: vantrel-ras [--once | --ticks N]</source>
        <translation>用法：vantrel-ras [--once | --ticks N]</translation>
    </message>
    <message>
        <source>Runs the dial-up access layer the way the monitor polls it, once a second of the data source&apos;s
clock, and prints one line per tick: the active connection, its state code and text, device,
addresses, authentication, the traffic counters (bytes sent and received since the connection
came up) and speed, and the DNS servers; on the linux source also where the connection&apos;s name,
type and state come from (NetworkManager or the kernel).</source>
        <translation>按监视器轮询的方式运行拨号访问层，按数据源的时钟每秒一次，
每个节拍输出一行：活动连接、其状态代码和文字、设备、
地址、身份验证、流量计数器（自连接建立以来已发送和已接收的字节数）
和速度，以及 DNS 服务器；使用 linux 数据源时还会显示连接的名称、
类型和状态从何而来（NetworkManager 或内核）。</translation>
    </message>
    <message>
        <source>one tick, then exit</source>
        <translation>一个节拍后退出</translation>
    </message>
    <message>
        <source>N ticks, then exit (default: until interrupted)</source>
        <translation>N 个节拍后退出（默认：直到被中断）</translation>
    </message>
    <message>
        <source>The data source is chosen by VANTREL_SOURCE: linux (default), demo, sim:FILE or none.</source>
        <translation>数据源由 VANTREL_SOURCE 选择：linux（默认）、demo、sim:FILE 或 none。</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 no dial-up networking or no statistics, 2 bad command line or source.</source>
        <translation>退出状态：0 完成，1 没有拨号网络或没有统计信息，2 命令行或数据源有误。</translation>
    </message>
</context>
<context>
    <name>vantrel-reg</name>
    <message>
        <source>usage: vantrel-reg COMMAND [ARGUMENTS]</source>
        <translation>用法：vantrel-reg COMMAND [ARGUMENTS]</translation>
    </message>
    <message>
        <source>subkeys (ending in \) and values of KEY; the roots without KEY</source>
        <translation>KEY 的子项（以 \ 结尾）和值；不带 KEY 时列出各根项</translation>
    </message>
    <message>
        <source>the value&apos;s data</source>
        <translation>值的数据</translation>
    </message>
    <message>
        <source>set a text value (REG_SZ)</source>
        <translation>设置文本值（REG_SZ）</translation>
    </message>
    <message>
        <source>set a REG_EXPAND_SZ value</source>
        <translation>设置 REG_EXPAND_SZ 值</translation>
    </message>
    <message>
        <source>set a 32-bit value (decimal, or hexadecimal with 0x)</source>
        <translation>设置 32 位值（十进制，或以 0x 开头的十六进制）</translation>
    </message>
    <message>
        <source>set a REG_BINARY value (&quot;01,02,ff&quot; or &quot;0102ff&quot;)</source>
        <translation>设置 REG_BINARY 值（“01,02,ff”或“0102ff”）</translation>
    </message>
    <message>
        <source>delete a value</source>
        <translation>删除值</translation>
    </message>
    <message>
        <source>write KEY and everything below it as REGEDIT4 text</source>
        <translation>将 KEY 及其下的全部内容写为 REGEDIT4 文本</translation>
    </message>
    <message>
        <source>apply a REGEDIT4 file (- reads standard input) as a whole:
checked first, then applied in one transaction</source>
        <translation>整体应用一个 REGEDIT4 文件（- 表示读取标准输入）：
先检查，再在一个事务中应用</translation>
    </message>
    <message>
        <source>KEY is a full key name, for example</source>
        <translation>KEY 是完整的项名称，例如</translation>
    </message>
    <message>
        <source>(HKCU, HKLM, HKCR, HKU and HKCC stand for their roots). NAME @ is the key&apos;s default value.
The registry is kept in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (folder 0700, files 0600).
Key names are at most 255 characters, value names 16383, keys at most 512 levels deep; names
cannot hold line breaks or NUL characters. Imports are regular files of at most 16 MiB.</source>
        <translation>（HKCU、HKLM、HKCR、HKU 和 HKCC 代表各自的根项。）NAME 为 @ 表示项的默认值。
注册表保存在 $XDG_CONFIG_HOME/vantrel/registry.sqlite3（文件夹 0700，文件 0600）。
项名称最多 255 个字符，值名称最多 16383 个字符，项最多嵌套 512 层；
名称不能包含换行符或 NUL 字符。导入的文件须为不超过 16 MiB 的普通文件。</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the registry refused, 2 bad command line or input (nothing changed).</source>
        <translation>退出状态：0 完成，1 注册表拒绝，2 命令行或输入有误（未做任何更改）。</translation>
    </message>
</context>
<context>
    <name>vantrel-usage</name>
    <message>
        <source>usage: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                     [--json | --csv | --openmetrics FILE] [--file DATABASE]</source>
        <translation>用法：vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]
                    [--json | --csv | --openmetrics FILE] [--file DATABASE]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>bytes per local day (default; the last 31 days)</source>
        <translation>按本地日期统计字节数（默认；最近 31 天）</translation>
    </message>
    <message>
        <source>bytes per month (the last 12 months)</source>
        <translation>按月统计字节数（最近 12 个月）</translation>
    </message>
    <message>
        <source>bytes per year (all of the history)</source>
        <translation>按年统计字节数（全部历史记录）</translation>
    </message>
    <message>
        <source>one line per connection (the last 31 days)</source>
        <translation>每个连接一行（最近 31 天）</translation>
    </message>
    <message>
        <source>each data plan: its limit, what counts, the billing cycle holding today (or the
--to date), the bytes used in it, the percentage of the limit and the days left</source>
        <translation>每个流量套餐：其上限、计入哪些流量、包含今天（或 --to 日期）的计费周期、
该周期内已用字节数、占上限的百分比以及剩余天数</translation>
    </message>
    <message>
        <source>adds the connections of the monitor&apos;s CSV log FILE that the history lacks</source>
        <translation>添加监视器 CSV 日志 FILE 中历史记录所缺少的连接</translation>
    </message>
    <message>
        <source>one entry name only (default: all, added up); with plan, the plan that
applies to that entry name</source>
        <translation>仅限一个连接名称（默认：全部，合计）；与 plan 一起使用时，
指适用于该连接名称的套餐</translation>
    </message>
    <message>
        <source>from this local date (YYYY-MM-DD) on</source>
        <translation>从此本地日期（YYYY-MM-DD）起</translation>
    </message>
    <message>
        <source>up to and including this local date</source>
        <translation>截至此本地日期（含当天）</translation>
    </message>
    <message>
        <source>JSON instead of aligned text</source>
        <translation>输出 JSON 而不是对齐的文本</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>带标题行的逗号分隔值</translation>
    </message>
    <message>
        <source>write the totals per entry name in the Prometheus text format to FILE,
replacing it in one step (for node_exporter&apos;s textfile collector)</source>
        <translation>将各连接名称的合计以 Prometheus 文本格式写入 FILE，
一步替换该文件（供 node_exporter 的 textfile 收集器使用）</translation>
    </message>
    <message>
        <source>another history (default: $XDG_DATA_HOME/vantrel/usage.sqlite3)</source>
        <translation>使用其他历史记录（默认：$XDG_DATA_HOME/vantrel/usage.sqlite3）</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the history is missing or cannot be read, 2 bad command line.</source>
        <translation>退出状态：0 完成，1 历史记录不存在或无法读取，2 命令行有误。</translation>
    </message>
</context>
</TS>
