<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AntiIdle</name>
    <message>
        <source>%1 - Anti Idle %2 bytes</source>
        <translation>%1 - Anti-ociosidade %2 bytes</translation>
    </message>
</context>
<context>
    <name>ConnectionChooser</name>
    <message>
        <source>Point-to-point links, mobile broadband, VPN and PPPoE connections are always watched.
Check any other interface to watch it as a connection.</source>
        <translation>Enlaces ponto a ponto, banda larga móvel, conexões VPN e PPPoE são sempre monitorados.
Marque qualquer outra interface para monitorá-la como uma conexão.</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
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
        <translation>Endereços</translation>
    </message>
    <message>
        <source>Other names or patterns (comma-separated):</source>
        <translation>Outros nomes ou padrões (separados por vírgulas):</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Watched always</source>
        <translation>Sempre monitorada</translation>
    </message>
    <message>
        <source>point-to-point</source>
        <translation>ponto a ponto</translation>
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
        <translation>túnel</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>sem fio</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>other</source>
        <translation>outra</translation>
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
        <translation>desativado</translation>
    </message>
    <message>
        <source>up</source>
        <translation>ativo</translation>
    </message>
    <message>
        <source>no carrier</source>
        <translation>cabo desconectado</translation>
    </message>
    <message>
        <source>Vantrel - Connections</source>
        <translation>Vantrel - Conexões</translation>
    </message>
    <message>
        <source>Vantrel is watching a simulated machine, not this one:
VANTREL_SOURCE=%1
Its connections come from the simulation: there are no interfaces to choose here.
Start Vantrel without VANTREL_SOURCE to choose among this machine&apos;s interfaces.</source>
        <translation>O Vantrel está observando uma máquina simulada, não esta:
VANTREL_SOURCE=%1
Suas conexões vêm da simulação: não há interfaces para escolher aqui.
Inicie o Vantrel sem VANTREL_SOURCE para escolher entre as interfaces desta máquina.</translation>
    </message>
</context>
<context>
    <name>ConnectionLogFile</name>
    <message>
        <source>is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>Log file: %1 %2; using %3</source>
        <translation>Arquivo de registro: %1 %2; usando %3</translation>
    </message>
    <message>
        <source>Log file: %1 cannot be written; using %2</source>
        <translation>Arquivo de registro: não é possível gravar em %1; usando %2</translation>
    </message>
    <message>
        <source>Log file %1 not written: %2</source>
        <translation>Arquivo de registro %1 não gravado: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>ele tem outros nomes (links físicos)</translation>
    </message>
</context>
<context>
    <name>ConnectionMonitor</name>
    <message>
        <source>RAS is not installed.</source>
        <translation>O RAS não está instalado.</translation>
    </message>
    <message>
        <source>No Performance Statistics Available.</source>
        <translation>Nenhuma estatística de desempenho disponível.</translation>
    </message>
    <message>
        <source>Stored %1 &quot;%2&quot; is not a number; using 0.</source>
        <translation>O valor salvo %1 &quot;%2&quot; não é um número; usando 0.</translation>
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
        <translation>Estatísticas totais de conexão redefinidas.</translation>
    </message>
    <message>
        <source>No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another interface, choose it with &quot;%1&quot; in the popup menu.</source>
        <translation>Nenhum enlace do tipo discado (PPP, banda larga móvel, VPN) está ativo. Para observar outra interface, escolha-a com &quot;%1&quot; no menu de contexto.</translation>
    </message>
</context>
<context>
    <name>DataPlan</name>
    <message>
        <source>all connections</source>
        <translation>todas as conexões</translation>
    </message>
    <message>
        <source>Data plan of %1: %2% reached (%3).</source>
        <translation>Plano de dados de %1: %2% atingido (%3).</translation>
    </message>
    <message>
        <source>Data plan: %1% reached</source>
        <translation>Plano de dados: %1% atingido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: write a number and a unit, such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>&quot;%1&quot; não é um limite de dados: digite um número e uma unidade, como 500 MB, 5 GB ou 2.5 GiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: the unit &quot;%2&quot; is not one of %3</source>
        <translation>&quot;%1&quot; não é um limite de dados: a unidade &quot;%2&quot; não é nenhuma de %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large a data limit</source>
        <translation>&quot;%1&quot; é um limite de dados grande demais</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a data limit: it must be at least one byte</source>
        <translation>&quot;%1&quot; não é um limite de dados: deve ser de pelo menos um byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: the day of the month is 1 to 31</source>
        <translation>&quot;%1&quot; não é um ciclo de cobrança: o dia do mês vai de 1 a 31</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: a cycle is 1 to %2 days long</source>
        <translation>&quot;%1&quot; não é um ciclo de cobrança: um ciclo dura de 1 a %2 dias</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: %2 is not a date</source>
        <translation>&quot;%1&quot; não é um ciclo de cobrança: %2 não é uma data</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a billing cycle: write &quot;monthly 15&quot; or &quot;every 30 days from 2026-01-15&quot;</source>
        <translation>&quot;%1&quot; não é um ciclo de cobrança: escreva &quot;monthly 15&quot; ou &quot;every 30 days from 2026-01-15&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of warning thresholds: &quot;%2&quot; is not a percentage from 1 to %3</source>
        <translation>&quot;%1&quot; não é uma lista de limiares de aviso: &quot;%2&quot; não é uma porcentagem de 1 a %3</translation>
    </message>
    <message>
        <source>1 day left</source>
        <translation>resta 1 dia</translation>
    </message>
    <message>
        <source>%1 days left</source>
        <translation>restam %1 dias</translation>
    </message>
    <message>
        <source>%1 of %2 %3, %4%, %5</source>
        <translation>%1 de %2 %3, %4%, %5</translation>
    </message>
    <message>
        <source>Data plan %1\%2 not used: %3</source>
        <translation>Plano de dados %1\%2 não usado: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;both&quot; nor &quot;download&quot;</source>
        <translation>&quot;%1&quot; não é nem &quot;both&quot; nem &quot;download&quot;</translation>
    </message>
    <message>
        <source>A data plan needs a limit and at least one warning threshold</source>
        <translation>Um plano de dados precisa de um limite e de pelo menos um limiar de aviso</translation>
    </message>
    <message>
        <source>The entry name &quot;%1&quot; is too long for a data plan of its own</source>
        <translation>O nome da conexão &quot;%1&quot; é longo demais para um plano de dados próprio</translation>
    </message>
    <message>
        <source>Data plans count from now on: %1</source>
        <translation>Os planos de dados contam a partir de agora: %1</translation>
    </message>
</context>
<context>
    <name>DataPlanForm</name>
    <message>
        <source>Plan for:</source>
        <translation>Plano para:</translation>
    </message>
    <message>
        <source>such as 500 MB, 5 GB or 2.5 GiB</source>
        <translation>como 500 MB, 5 GB ou 2.5 GiB</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limite:</translation>
    </message>
    <message>
        <source>Sent and received</source>
        <translation>Enviados e recebidos</translation>
    </message>
    <message>
        <source>Received only</source>
        <translation>Somente recebidos</translation>
    </message>
    <message>
        <source>Counts:</source>
        <translation>Contabiliza:</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensal</translation>
    </message>
    <message>
        <source>Every number of days</source>
        <translation>A cada n dias</translation>
    </message>
    <message>
        <source>Billing cycle:</source>
        <translation>Ciclo de cobrança:</translation>
    </message>
    <message>
        <source>starts on day</source>
        <translation>começa no dia</translation>
    </message>
    <message>
        <source>every</source>
        <translation>a cada</translation>
    </message>
    <message>
        <source>days from</source>
        <translation>dias a partir de</translation>
    </message>
    <message>
        <source>Warn at (%):</source>
        <translation>Avisar em (%):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Clear Plan</source>
        <translation>Limpar plano</translation>
    </message>
    <message>
        <source>This connection: %1</source>
        <translation>Esta conexão: %1</translation>
    </message>
    <message>
        <source>All connections</source>
        <translation>Todas as conexões</translation>
    </message>
    <message>
        <source>No data plan is set here.</source>
        <translation>Nenhum plano de dados definido aqui.</translation>
    </message>
    <message>
        <source>Enter a limit, such as 5 GB.</source>
        <translation>Digite um limite, como 5 GB.</translation>
    </message>
    <message>
        <source>Saved: %1 a cycle.</source>
        <translation>Salvo: %1 por ciclo.</translation>
    </message>
    <message>
        <source>The data plan is cleared.</source>
        <translation>O plano de dados foi limpo.</translation>
    </message>
    <message>
        <source>The data plan has changes that are not saved. Save them?</source>
        <translation>O plano de dados tem alterações não salvas. Salvá-las?</translation>
    </message>
    <message>
        <source>Vantrel - Data Plan</source>
        <translation>Vantrel - Plano de dados</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Show Window</source>
        <translation>Mostrar janela</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error in %1: %2</source>
        <translation>Erro em %1: %2</translation>
    </message>
</context>
<context>
    <name>NetworkManagerReason</name>
    <message>
        <source>The device could not be readied for configuration</source>
        <translation>Não foi possível preparar o dispositivo para a configuração</translation>
    </message>
    <message>
        <source>The IP configuration is no longer valid</source>
        <translation>A configuração IP não é mais válida</translation>
    </message>
    <message>
        <source>The 802.1X supplicant disconnected</source>
        <translation>O suplicante 802.1X desconectou</translation>
    </message>
    <message>
        <source>The 802.1X supplicant configuration failed</source>
        <translation>Falha na configuração do suplicante 802.1X</translation>
    </message>
    <message>
        <source>The 802.1X supplicant failed</source>
        <translation>Falha no suplicante 802.1X</translation>
    </message>
    <message>
        <source>The 802.1X supplicant took too long to authenticate</source>
        <translation>O suplicante 802.1X demorou demais para autenticar</translation>
    </message>
    <message>
        <source>The PPP service failed to start</source>
        <translation>O serviço PPP não pôde ser iniciado</translation>
    </message>
    <message>
        <source>The DHCP client failed to start</source>
        <translation>O cliente DHCP não pôde ser iniciado</translation>
    </message>
    <message>
        <source>DHCP client error</source>
        <translation>Erro do cliente DHCP</translation>
    </message>
    <message>
        <source>The shared connection service failed to start</source>
        <translation>O serviço de conexão compartilhada não pôde ser iniciado</translation>
    </message>
    <message>
        <source>The shared connection service failed</source>
        <translation>Falha no serviço de conexão compartilhada</translation>
    </message>
    <message>
        <source>The AutoIP service failed to start</source>
        <translation>O serviço AutoIP não pôde ser iniciado</translation>
    </message>
    <message>
        <source>AutoIP service error</source>
        <translation>Erro do serviço AutoIP</translation>
    </message>
    <message>
        <source>The AutoIP service failed</source>
        <translation>Falha no serviço AutoIP</translation>
    </message>
    <message>
        <source>The dialing attempt failed</source>
        <translation>Falha na tentativa de discagem</translation>
    </message>
    <message>
        <source>Modem initialization failed</source>
        <translation>Falha na inicialização do modem</translation>
    </message>
    <message>
        <source>Failed to select the specified APN</source>
        <translation>Falha ao selecionar o APN especificado</translation>
    </message>
    <message>
        <source>Not searching for mobile networks</source>
        <translation>Não está procurando redes móveis</translation>
    </message>
    <message>
        <source>Mobile network registration denied</source>
        <translation>O registro na rede móvel foi negado</translation>
    </message>
    <message>
        <source>Mobile network registration timed out</source>
        <translation>O tempo de registro na rede móvel se esgotou</translation>
    </message>
    <message>
        <source>Failed to register with the requested mobile network</source>
        <translation>Falha ao registrar na rede móvel solicitada</translation>
    </message>
    <message>
        <source>The PIN check failed</source>
        <translation>Falha na verificação do PIN</translation>
    </message>
    <message>
        <source>Necessary firmware for the device may be missing</source>
        <translation>O firmware necessário para o dispositivo pode estar faltando</translation>
    </message>
    <message>
        <source>NetworkManager went to sleep</source>
        <translation>O NetworkManager entrou em suspensão</translation>
    </message>
    <message>
        <source>The device&apos;s active connection disappeared</source>
        <translation>A conexão ativa do dispositivo desapareceu</translation>
    </message>
    <message>
        <source>The carrier changed</source>
        <translation>O estado da portadora mudou</translation>
    </message>
    <message>
        <source>The modem could not be found</source>
        <translation>O modem não foi encontrado</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed or timed out</source>
        <translation>A conexão Bluetooth falhou ou o tempo se esgotou</translation>
    </message>
    <message>
        <source>The SIM card is not inserted</source>
        <translation>O chip SIM não está inserido</translation>
    </message>
    <message>
        <source>The SIM PIN is required</source>
        <translation>O PIN do chip SIM é necessário</translation>
    </message>
    <message>
        <source>The SIM PUK is required</source>
        <translation>O PUK do chip SIM é necessário</translation>
    </message>
    <message>
        <source>The SIM card is wrong</source>
        <translation>O chip SIM está errado</translation>
    </message>
    <message>
        <source>A dependency of the connection failed</source>
        <translation>Uma dependência da conexão falhou</translation>
    </message>
    <message>
        <source>ModemManager is not running</source>
        <translation>O ModemManager não está em execução</translation>
    </message>
    <message>
        <source>The Wi-Fi network could not be found</source>
        <translation>A rede Wi-Fi não foi encontrada</translation>
    </message>
    <message>
        <source>A secondary connection of the base connection failed</source>
        <translation>Uma conexão secundária da conexão base falhou</translation>
    </message>
    <message>
        <source>The SIM PIN is incorrect</source>
        <translation>O PIN do chip SIM está incorreto</translation>
    </message>
    <message>
        <source>A new activation was enqueued</source>
        <translation>Uma nova ativação foi enfileirada</translation>
    </message>
    <message>
        <source>The IP address is in use by another host</source>
        <translation>O endereço IP está em uso por outro host</translation>
    </message>
    <message>
        <source>The IP method is not supported</source>
        <translation>O método IP não é suportado</translation>
    </message>
    <message>
        <source>The peer could not be found</source>
        <translation>O par não foi encontrado</translation>
    </message>
</context>
<context>
    <name>PlatformWarning</name>
    <message>
        <source>start-up command %1 cannot be written as an autostart entry</source>
        <translation>o comando de inicialização %1 não pode ser gravado como entrada de início automático</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1</source>
        <translation>não é possível gravar a entrada de início automático %1</translation>
    </message>
    <message>
        <source>cannot write the autostart entry %1: %2</source>
        <translation>não é possível gravar a entrada de início automático %1: %2</translation>
    </message>
    <message>
        <source>cannot remove the autostart entry %1: %2</source>
        <translation>não é possível remover a entrada de início automático %1: %2</translation>
    </message>
    <message>
        <source>registry database %1 cannot be opened: %2; settings are not saved</source>
        <translation>não é possível abrir o banco de dados do registro %1: %2; as configurações não são salvas</translation>
    </message>
    <message>
        <source>registry database %1 was written by a newer version; opened read-only</source>
        <translation>o banco de dados do registro %1 foi gravado por uma versão mais recente; aberto somente para leitura</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2) and could not be moved aside: %3</source>
        <translation>o banco de dados do registro %1 está danificado (%2) e não pôde ser posto de lado: %3</translation>
    </message>
    <message>
        <source>registry database %1 is damaged (%2); moved aside as %3 and replaced by an empty one</source>
        <translation>o banco de dados do registro %1 está danificado (%2); posto de lado como %3 e substituído por um vazio</translation>
    </message>
    <message>
        <source>registry database %1 could not be written: %2; settings changed meanwhile are not saved</source>
        <translation>não foi possível gravar o banco de dados do registro %1: %2; as configurações alteradas nesse meio-tempo não são salvas</translation>
    </message>
    <message>
        <source>registry database %1 can be written again</source>
        <translation>o banco de dados do registro %1 pode ser gravado novamente</translation>
    </message>
</context>
<context>
    <name>StartupNote</name>
    <message>
        <source>Single-instance lock not taken: %1; a second start would run beside this one.</source>
        <translation>Bloqueio de instância única não obtido: %1; uma segunda inicialização rodaria ao lado desta.</translation>
    </message>
    <message>
        <source>Wayland session without XWayland: the monitor window cannot stay on top or keep its place.</source>
        <translation>Sessão Wayland sem XWayland: a janela do monitor não pode ficar no topo nem manter sua posição.</translation>
    </message>
    <message>
        <source>Wayland session: running on XWayland, so that the monitor window can stay on top.</source>
        <translation>Sessão Wayland: executando no XWayland, para que a janela do monitor possa ficar no topo.</translation>
    </message>
    <message>
        <source>A second start cannot ask this one to show its window: %1</source>
        <translation>Um segundo início não pode pedir a este que mostre sua janela: %1</translation>
    </message>
    <message>
        <source>Another start of Vantrel asked for this window.</source>
        <translation>Outro início do Vantrel pediu esta janela.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Vantrel - About</source>
        <translation>Vantrel - Sobre</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Copy client IP %1 to clipboard.</source>
        <translation>IP do cliente %1 copiado para a área de transferência.</translation>
    </message>
    <message>
        <source>  Current Connection  </source>
        <translation>  Conexão atual  </translation>
    </message>
    <message>
        <source>  Last Connection  </source>
        <translation>  Última conexão  </translation>
    </message>
    <message>
        <source>  Total Connection  </source>
        <translation>  Total de conexões  </translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexão:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
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
        <translation>Recebidos:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>DNS Server:</source>
        <translation>Servidor DNS:</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>IP do servidor:</translation>
    </message>
    <message>
        <source>Client IP:</source>
        <translation>IP do cliente:</translation>
    </message>
    <message>
        <source>Upload Speed:</source>
        <translation>Taxa de envio:</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>bytes/s</translation>
    </message>
    <message>
        <source>Download Speed:</source>
        <translation>Taxa de recepção:</translation>
    </message>
    <message>
        <source>Double click to copy to clipboard</source>
        <translation>Clique duas vezes para copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Double click to reset stats</source>
        <translation>Clique duas vezes para redefinir as estatísticas</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Sempre no topo</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimizar para a bandeja do sistema</translation>
    </message>
    <message>
        <source>Start Minimized</source>
        <translation>Iniciar minimizado</translation>
    </message>
    <message>
        <source>Load on Startup</source>
        <translation>Carregar ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Salvar registro</translation>
    </message>
    <message>
        <source>Anti Idle...</source>
        <translation>Anti-ociosidade...</translation>
    </message>
    <message>
        <source>Sound...</source>
        <translation>Som...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Conexões...</translation>
    </message>
    <message>
        <source>Show Monitor...</source>
        <translation>Mostrar monitor...</translation>
    </message>
    <message>
        <source>Hide Monitor when Offline</source>
        <translation>Ocultar monitor quando desconectado</translation>
    </message>
    <message>
        <source>Transparent Monitor</source>
        <translation>Monitor transparente</translation>
    </message>
    <message>
        <source>Copy IP to Clipboard</source>
        <translation>Copiar IP para a área de transferência</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Sobre o Vantrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No notification area on this desktop: Vantrel minimises to the taskbar.</source>
        <translation>Não há área de notificação nesta área de trabalho: o Vantrel é minimizado para a barra de tarefas.</translation>
    </message>
    <message>
        <source>Usage...</source>
        <translation>Uso de dados...</translation>
    </message>
    <message>
        <source>Data Plan...</source>
        <translation>Plano de dados...</translation>
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
        <translation>Abrindo porta serial</translation>
    </message>
    <message>
        <source>Serial Port Opened</source>
        <translation>Porta serial aberta</translation>
    </message>
    <message>
        <source>Connecting/Dialling</source>
        <translation>Conectando/Discando</translation>
    </message>
    <message>
        <source>Connected/Answered</source>
        <translation>Conectado/Atendido</translation>
    </message>
    <message>
        <source>Connected/Negotiation</source>
        <translation>Conectado/Negociação</translation>
    </message>
    <message>
        <source>Validating User and Password</source>
        <translation>Validando usuário e senha</translation>
    </message>
    <message>
        <source>Authentication Notification</source>
        <translation>Notificação de autenticação</translation>
    </message>
    <message>
        <source>Authentication Call Back</source>
        <translation>Retorno de chamada de autenticação</translation>
    </message>
    <message>
        <source>Projection Started</source>
        <translation>Projeção iniciada</translation>
    </message>
    <message>
        <source>Calculating Link speed</source>
        <translation>Calculando velocidade do enlace</translation>
    </message>
    <message>
        <source>Authentication acknowledged</source>
        <translation>Autenticação confirmada</translation>
    </message>
    <message>
        <source>Reauthenticating</source>
        <translation>Reautenticando</translation>
    </message>
    <message>
        <source>Login Authenticated</source>
        <translation>Login autenticado</translation>
    </message>
    <message>
        <source>Preparing for Callback</source>
        <translation>Preparando retorno de chamada</translation>
    </message>
    <message>
        <source>Waiting for Modem Reset</source>
        <translation>Aguardando reinicialização do modem</translation>
    </message>
    <message>
        <source>Waiting for Callback</source>
        <translation>Aguardando retorno de chamada</translation>
    </message>
    <message>
        <source>Projection Completion</source>
        <translation>Projeção concluída</translation>
    </message>
    <message>
        <source>Start Authentication</source>
        <translation>Iniciando autenticação</translation>
    </message>
    <message>
        <source>Callback Complete</source>
        <translation>Retorno de chamada concluído</translation>
    </message>
    <message>
        <source>Logon to Network</source>
        <translation>Logon na rede</translation>
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
        <translation>Terminal interativo</translation>
    </message>
    <message>
        <source>Retry Authentication</source>
        <translation>Tentar autenticação novamente</translation>
    </message>
    <message>
        <source>Callback Set By Caller</source>
        <translation>Retorno de chamada definido pelo chamador</translation>
    </message>
    <message>
        <source>Password Expires</source>
        <translation>A senha expira</translation>
    </message>
    <message>
        <source>Paused for Authentication</source>
        <translation>Pausado para autenticação</translation>
    </message>
    <message>
        <source>Connected/Online</source>
        <translation>Conectado/On-line</translation>
    </message>
    <message>
        <source>Disconnected/Offline</source>
        <translation>Desconectado/Off-line</translation>
    </message>
    <message>
        <source>Unknown DUN Version</source>
        <translation>Versão de acesso discado desconhecida</translation>
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
        <translation>Estado desconhecido (%1)</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Device Connecting/Dialling</source>
        <translation>Dispositivo conectando/discando</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>não disponível</translation>
    </message>
</context>
<context>
    <name>TRasPer</name>
    <message>
        <source>Unable to Read Registry Key - %1/%2</source>
        <translation>Não foi possível ler a chave do registro - %1/%2</translation>
    </message>
    <message>
        <source>Unable to Locate Win9x Dial-Up Adapter</source>
        <translation>Não foi possível localizar o adaptador de acesso discado do Win9x</translation>
    </message>
    <message>
        <source>Unable to Find Performance Data Helper Library (PDH.DLL)</source>
        <translation>Não foi possível encontrar a biblioteca auxiliar de dados de desempenho (PDH.DLL)</translation>
    </message>
    <message>
        <source>Unable to Initialise Performance Data Helper Library (PDH.DLL), ErrCode 0%1</source>
        <translation>Não foi possível inicializar a biblioteca auxiliar de dados de desempenho (PDH.DLL), código de erro 0%1</translation>
    </message>
    <message>
        <source>Unable to Open Registry Key - %1</source>
        <translation>Não foi possível abrir a chave do registro - %1</translation>
    </message>
    <message>
        <source>No Performance Data Returned for Object - %1</source>
        <translation>Nenhum dado de desempenho retornado para o objeto - %1</translation>
    </message>
    <message>
        <source>No Performance Object Blocks Found for - %1</source>
        <translation>Nenhum bloco de objeto de desempenho encontrado para - %1</translation>
    </message>
</context>
<context>
    <name>ToolHelp</name>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ajuda e sair</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar a versão e sair</translation>
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
        <translation>Recebidos</translation>
    </message>
    <message>
        <source>Used in cycle</source>
        <translation>Usado no ciclo</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>%1: %2 sent, %3 received</source>
        <translation>%1: %2 enviados, %3 recebidos</translation>
    </message>
</context>
<context>
    <name>UsageConnectionsModel</name>
    <message>
        <source>%1 (up)</source>
        <translation>%1 (em andamento)</translation>
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
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviados</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recebidos</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Endereços</translation>
    </message>
</context>
<context>
    <name>UsageHistory</name>
    <message>
        <source>%1; monitoring goes on</source>
        <translation>%1; o monitoramento continua</translation>
    </message>
    <message>
        <source>usage history %1: cannot be written: %2</source>
        <translation>histórico de uso %1: não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>usage history %1: cannot be read: %2</source>
        <translation>histórico de uso %1: não pode ser lido: %2</translation>
    </message>
    <message>
        <source>usage history %1: no such file (nothing recorded yet)</source>
        <translation>histórico de uso %1: o arquivo não existe (nada foi registrado ainda)</translation>
    </message>
    <message>
        <source>usage history %1 was damaged; moved aside as %2 and started afresh</source>
        <translation>o histórico de uso %1 estava danificado; posto de lado como %2 e iniciado do zero</translation>
    </message>
    <message>
        <source>usage history %1: written by a newer version; not recorded</source>
        <translation>histórico de uso %1: gravado por uma versão mais recente; nada é registrado</translation>
    </message>
    <message>
        <source>usage history %1: cannot be opened: %2</source>
        <translation>histórico de uso %1: não pode ser aberto: %2</translation>
    </message>
    <message>
        <source>usage history %1: not open</source>
        <translation>histórico de uso %1: não está aberto</translation>
    </message>
    <message>
        <source>usage history %1: cannot be compacted: %2</source>
        <translation>histórico de uso %1: não pode ser compactado: %2</translation>
    </message>
    <message>
        <source>usage history %1 was removed or moved; a new one is started</source>
        <translation>o histórico de uso %1 foi removido ou movido; um novo é iniciado</translation>
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
        <translation>Vantrel - Uso de dados</translation>
    </message>
    <message>
        <source>Monthly usage, the last twelve months</source>
        <translation>Uso mensal dos últimos doze meses</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Daily Usage...</source>
        <translation>Uso diário...</translation>
    </message>
    <message>
        <source>Monthly Usage...</source>
        <translation>Uso mensal...</translation>
    </message>
    <message>
        <source>Connections...</source>
        <translation>Conexões...</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet.</source>
        <translation>Nada foi registrado ainda.</translation>
    </message>
    <message>
        <source>Daily usage, the cycle from %1 to %2</source>
        <translation>Uso diário, ciclo de %1 a %2</translation>
    </message>
    <message>
        <source>Daily usage, %1</source>
        <translation>Uso diário, %1</translation>
    </message>
    <message>
        <source>At this rate: %1 by %2</source>
        <translation>Neste ritmo: %1 até %2</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, 1 day left</source>
        <translation>%1 de %2 usados, %3%, resta 1 dia</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%, %4 days left</source>
        <translation>%1 de %2 usados, %3%, restam %4 dias</translation>
    </message>
    <message>
        <source>This month: %1 (%2 sent, %3 received); last month: %4</source>
        <translation>Este mês: %1 (%2 enviados, %3 recebidos); mês passado: %4</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Arquivos JSON (*.json)</translation>
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
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next cycle</source>
        <translation>Próximo ciclo</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for all connections</source>
        <translation>Ciclos de cobrança do plano para todas as conexões</translation>
    </message>
    <message>
        <source>Billing cycles of the plan for %1</source>
        <translation>Ciclos de cobrança do plano para %1</translation>
    </message>
    <message>
        <source>Calendar months of all connections</source>
        <translation>Meses do calendário de todas as conexões</translation>
    </message>
    <message>
        <source>Calendar months of %1</source>
        <translation>Meses do calendário de %1</translation>
    </message>
    <message>
        <source>%1 of %2 used, %3%</source>
        <translation>%1 de %2 usados, %3%</translation>
    </message>
    <message>
        <source>Nothing left for the days remaining</source>
        <translation>Nada resta para os dias restantes</translation>
    </message>
    <message>
        <source>Left for the last day: %1</source>
        <translation>Resta para o último dia: %1</translation>
    </message>
    <message>
        <source>Left per remaining day: %1</source>
        <translation>Resta por dia restante: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 sent, %4 received)</source>
        <translation>%1: %2 (%3 enviados, %4 recebidos)</translation>
    </message>
</context>
<context>
    <name>WinMessages</name>
    <message>
        <source>An operation is pending.</source>
        <translation>Há uma operação pendente.</translation>
    </message>
    <message>
        <source>The port handle is invalid.</source>
        <translation>O identificador da porta é inválido.</translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation>A porta já está aberta.</translation>
    </message>
    <message>
        <source>Caller&apos;s buffer is too small.</source>
        <translation>O buffer do chamador é pequeno demais.</translation>
    </message>
    <message>
        <source>Wrong information specified.</source>
        <translation>As informações especificadas estão incorretas.</translation>
    </message>
    <message>
        <source>Cannot set port information.</source>
        <translation>Não é possível definir as informações da porta.</translation>
    </message>
    <message>
        <source>The port is not connected.</source>
        <translation>A porta não está conectada.</translation>
    </message>
    <message>
        <source>The event is invalid.</source>
        <translation>O evento é inválido.</translation>
    </message>
    <message>
        <source>The device does not exist.</source>
        <translation>O dispositivo não existe.</translation>
    </message>
    <message>
        <source>The device type does not exist.</source>
        <translation>O tipo de dispositivo não existe.</translation>
    </message>
    <message>
        <source>The buffer is invalid.</source>
        <translation>O buffer é inválido.</translation>
    </message>
    <message>
        <source>The route is not available.</source>
        <translation>A rota não está disponível.</translation>
    </message>
    <message>
        <source>The route is not allocated.</source>
        <translation>A rota não está alocada.</translation>
    </message>
    <message>
        <source>Invalid compression specified.</source>
        <translation>A compactação especificada é inválida.</translation>
    </message>
    <message>
        <source>Out of buffers.</source>
        <translation>Não há buffers disponíveis.</translation>
    </message>
    <message>
        <source>The port was not found.</source>
        <translation>A porta não foi encontrada.</translation>
    </message>
    <message>
        <source>An asynchronous request is pending.</source>
        <translation>Há uma solicitação assíncrona pendente.</translation>
    </message>
    <message>
        <source>The port or device is already disconnecting.</source>
        <translation>A porta ou o dispositivo já está sendo desconectado.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>A porta não está aberta.</translation>
    </message>
    <message>
        <source>The port is disconnected.</source>
        <translation>A porta está desconectada.</translation>
    </message>
    <message>
        <source>There are no endpoints.</source>
        <translation>Não há pontos de extremidade.</translation>
    </message>
    <message>
        <source>Cannot open the phone book file.</source>
        <translation>Não é possível abrir o arquivo do catálogo telefônico.</translation>
    </message>
    <message>
        <source>Cannot load the phone book file.</source>
        <translation>Não é possível carregar o arquivo do catálogo telefônico.</translation>
    </message>
    <message>
        <source>Cannot find the phone book entry.</source>
        <translation>Não é possível encontrar a entrada do catálogo telefônico.</translation>
    </message>
    <message>
        <source>Cannot write the phone book file.</source>
        <translation>Não é possível gravar o arquivo do catálogo telefônico.</translation>
    </message>
    <message>
        <source>Invalid information found in the phone book file.</source>
        <translation>Foram encontradas informações inválidas no arquivo do catálogo telefônico.</translation>
    </message>
    <message>
        <source>Cannot load a string.</source>
        <translation>Não é possível carregar uma cadeia de caracteres.</translation>
    </message>
    <message>
        <source>Cannot find key.</source>
        <translation>Não é possível encontrar a chave.</translation>
    </message>
    <message>
        <source>The port was disconnected.</source>
        <translation>A porta foi desconectada.</translation>
    </message>
    <message>
        <source>The port was disconnected by the remote machine.</source>
        <translation>A porta foi desconectada pelo computador remoto.</translation>
    </message>
    <message>
        <source>The port was disconnected due to hardware failure.</source>
        <translation>A porta foi desconectada devido a uma falha de hardware.</translation>
    </message>
    <message>
        <source>The port was disconnected by the user.</source>
        <translation>A porta foi desconectada pelo usuário.</translation>
    </message>
    <message>
        <source>The structure size is incorrect.</source>
        <translation>O tamanho da estrutura está incorreto.</translation>
    </message>
    <message>
        <source>The port is already in use or is not configured for Remote Access dial out.</source>
        <translation>A porta já está em uso ou não está configurada para discagem de saída do Acesso Remoto.</translation>
    </message>
    <message>
        <source>Cannot register your computer on the remote network.</source>
        <translation>Não é possível registrar o computador na rede remota.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
    </message>
    <message>
        <source>The wrong device is attached to the port.</source>
        <translation>O dispositivo conectado à porta não é o correto.</translation>
    </message>
    <message>
        <source>The string could not be converted.</source>
        <translation>Não foi possível converter a cadeia de caracteres.</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>A solicitação excedeu o tempo limite.</translation>
    </message>
    <message>
        <source>Internal authentication error.</source>
        <translation>Erro interno de autenticação.</translation>
    </message>
    <message>
        <source>The account is not permitted to log on at this time of day.</source>
        <translation>A conta não tem permissão para fazer logon neste horário do dia.</translation>
    </message>
    <message>
        <source>The account is disabled.</source>
        <translation>A conta está desabilitada.</translation>
    </message>
    <message>
        <source>The password has expired.</source>
        <translation>A senha expirou.</translation>
    </message>
    <message>
        <source>The account does not have Remote Access permission.</source>
        <translation>A conta não tem permissão de Acesso Remoto.</translation>
    </message>
    <message>
        <source>The Remote Access server is not responding.</source>
        <translation>O servidor de Acesso Remoto não está respondendo.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) has reported an error.</source>
        <translation>O modem (ou outro dispositivo de conexão) relatou um erro.</translation>
    </message>
    <message>
        <source>Unrecognized response from the device.</source>
        <translation>Resposta não reconhecida do dispositivo.</translation>
    </message>
    <message>
        <source>A macro required by the device was not found in the device .INF file section.</source>
        <translation>Uma macro exigida pelo dispositivo não foi encontrada na seção do arquivo .INF do dispositivo.</translation>
    </message>
    <message>
        <source>The &lt;message&gt; macro was not found in the device .INF file section.</source>
        <translation>A macro &lt;message&gt; não foi encontrada na seção do arquivo .INF do dispositivo.</translation>
    </message>
    <message>
        <source>The &lt;defaultoff&gt; macro in the device .INF file section contains an undefined macro.</source>
        <translation>A macro &lt;defaultoff&gt; da seção do arquivo .INF do dispositivo contém uma macro não definida.</translation>
    </message>
    <message>
        <source>The device .INF file could not be opened.</source>
        <translation>Não foi possível abrir o arquivo .INF do dispositivo.</translation>
    </message>
    <message>
        <source>The device name in the device .INF or media .INI file is too long.</source>
        <translation>O nome do dispositivo no arquivo .INF do dispositivo ou no arquivo .INI de mídia é longo demais.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device name.</source>
        <translation>O arquivo .INI de mídia faz referência a um nome de dispositivo desconhecido.</translation>
    </message>
    <message>
        <source>The device .INF file contains no responses for the command.</source>
        <translation>O arquivo .INF do dispositivo não contém respostas para o comando.</translation>
    </message>
    <message>
        <source>The device .INF file is missing a command.</source>
        <translation>Falta um comando no arquivo .INF do dispositivo.</translation>
    </message>
    <message>
        <source>Attempted to set a macro not listed in device .INF file section.</source>
        <translation>Houve uma tentativa de definir uma macro que não consta da seção do arquivo .INF do dispositivo.</translation>
    </message>
    <message>
        <source>The media .INI file refers to an unknown device type.</source>
        <translation>O arquivo .INI de mídia faz referência a um tipo de dispositivo desconhecido.</translation>
    </message>
    <message>
        <source>Cannot allocate memory.</source>
        <translation>Não é possível alocar memória.</translation>
    </message>
    <message>
        <source>The port is not configured for Remote Access.</source>
        <translation>A porta não está configurada para o Acesso Remoto.</translation>
    </message>
    <message>
        <source>Your modem (or other connecting device) is not functioning.</source>
        <translation>O modem (ou outro dispositivo de conexão) não está funcionando.</translation>
    </message>
    <message>
        <source>Cannot read the media .INI file.</source>
        <translation>Não é possível ler o arquivo .INI de mídia.</translation>
    </message>
    <message>
        <source>The connection dropped.</source>
        <translation>A conexão caiu.</translation>
    </message>
    <message>
        <source>The usage parameter in the media .INI file is invalid.</source>
        <translation>O parâmetro de uso no arquivo .INI de mídia é inválido.</translation>
    </message>
    <message>
        <source>Cannot read the section name from the media .INI file.</source>
        <translation>Não é possível ler o nome da seção no arquivo .INI de mídia.</translation>
    </message>
    <message>
        <source>Cannot read the device type from the media .INI file.</source>
        <translation>Não é possível ler o tipo de dispositivo no arquivo .INI de mídia.</translation>
    </message>
    <message>
        <source>Cannot read the device name from the media .INI file.</source>
        <translation>Não é possível ler o nome do dispositivo no arquivo .INI de mídia.</translation>
    </message>
    <message>
        <source>Cannot read the usage from the media .INI file.</source>
        <translation>Não é possível ler o uso no arquivo .INI de mídia.</translation>
    </message>
    <message>
        <source>Cannot read the maximum connection BPS rate from the media .INI file.</source>
        <translation>Não é possível ler a taxa máxima de conexão (BPS) no arquivo .INI de mídia.</translation>
    </message>
    <message>
        <source>Cannot read the maximum carrier BPS rate from the media .INI file.</source>
        <translation>Não é possível ler a taxa máxima da portadora (BPS) no arquivo .INI de mídia.</translation>
    </message>
    <message>
        <source>The line is busy.</source>
        <translation>A linha está ocupada.</translation>
    </message>
    <message>
        <source>A person answered instead of a modem.</source>
        <translation>Uma pessoa atendeu em vez de um modem.</translation>
    </message>
    <message>
        <source>There is no answer.</source>
        <translation>Não há resposta.</translation>
    </message>
    <message>
        <source>Cannot detect carrier.</source>
        <translation>Não é possível detectar a portadora.</translation>
    </message>
    <message>
        <source>There is no dial tone.</source>
        <translation>Não há tom de discagem.</translation>
    </message>
    <message>
        <source>General error reported by device.</source>
        <translation>Erro geral relatado pelo dispositivo.</translation>
    </message>
    <message>
        <source>Access denied because username and/or password is invalid on the domain.</source>
        <translation>Acesso negado porque o nome de usuário e/ou a senha são inválidos no domínio.</translation>
    </message>
    <message>
        <source>Hardware failure in port or attached device.</source>
        <translation>Falha de hardware na porta ou no dispositivo conectado.</translation>
    </message>
    <message>
        <source>State machines are not started.</source>
        <translation>As máquinas de estado não foram iniciadas.</translation>
    </message>
    <message>
        <source>State machines are already started.</source>
        <translation>As máquinas de estado já foram iniciadas.</translation>
    </message>
    <message>
        <source>Response looping did not complete.</source>
        <translation>O loop de resposta não foi concluído.</translation>
    </message>
    <message>
        <source>The device response caused buffer overflow.</source>
        <translation>A resposta do dispositivo causou um estouro de buffer.</translation>
    </message>
    <message>
        <source>The expanded command in the device .INF file is too long.</source>
        <translation>O comando expandido no arquivo .INF do dispositivo é longo demais.</translation>
    </message>
    <message>
        <source>The device moved to a BPS rate not supported by the COM driver.</source>
        <translation>O dispositivo passou para uma taxa (BPS) sem suporte no driver COM.</translation>
    </message>
    <message>
        <source>Device response received when none expected.</source>
        <translation>Foi recebida uma resposta do dispositivo quando nenhuma era esperada.</translation>
    </message>
    <message>
        <source>The connection needs information from you, but the application does not allow user interaction.</source>
        <translation>A conexão precisa de informações suas, mas o aplicativo não permite interação com o usuário.</translation>
    </message>
    <message>
        <source>The callback number is invalid.</source>
        <translation>O número de retorno de chamada é inválido.</translation>
    </message>
    <message>
        <source>The authorization state is invalid.</source>
        <translation>O estado de autorização é inválido.</translation>
    </message>
    <message>
        <source>There was an error related to the X.25 protocol.</source>
        <translation>Ocorreu um erro relacionado ao protocolo X.25.</translation>
    </message>
    <message>
        <source>The account has expired.</source>
        <translation>A conta expirou.</translation>
    </message>
    <message>
        <source>There was an error changing the password on the domain.</source>
        <translation>Ocorreu um erro ao alterar a senha no domínio.</translation>
    </message>
    <message>
        <source>Serial overrun errors were detected while communicating with your modem.</source>
        <translation>Foram detectados erros de estouro serial durante a comunicação com o modem.</translation>
    </message>
    <message>
        <source>The Remote Access Service Manager could not start.</source>
        <translation>Não foi possível iniciar o Gerenciador do Serviço de Acesso Remoto.</translation>
    </message>
    <message>
        <source>The two-way port is initializing.</source>
        <translation>A porta bidirecional está sendo inicializada.</translation>
    </message>
    <message>
        <source>No active ISDN lines are available.</source>
        <translation>Não há linhas RDSI ativas disponíveis.</translation>
    </message>
    <message>
        <source>No ISDN channels are available to make the call.</source>
        <translation>Não há canais RDSI disponíveis para fazer a chamada.</translation>
    </message>
    <message>
        <source>Too many errors occurred because of poor phone line quality.</source>
        <translation>Ocorreram erros demais devido à má qualidade da linha telefônica.</translation>
    </message>
    <message>
        <source>The Remote Access Service IP configuration is unusable.</source>
        <translation>A configuração IP do Serviço de Acesso Remoto não pode ser usada.</translation>
    </message>
    <message>
        <source>No IP addresses are available in the static pool of Remote Access Service IP addresses.</source>
        <translation>Não há endereços IP disponíveis no pool estático de endereços IP do Serviço de Acesso Remoto.</translation>
    </message>
    <message>
        <source>The connection was terminated because the remote computer did not respond in a timely manner.</source>
        <translation>A conexão foi encerrada porque o computador remoto não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The connection was terminated by the remote computer.</source>
        <translation>A conexão foi encerrada pelo computador remoto.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be established. No PPP control protocols configured.</source>
        <translation>Não foi possível estabelecer uma conexão com o computador remoto. Nenhum protocolo de controle PPP configurado.</translation>
    </message>
    <message>
        <source>The remote computer did not respond.</source>
        <translation>O computador remoto não respondeu.</translation>
    </message>
    <message>
        <source>Invalid data was received from the remote computer.</source>
        <translation>Foram recebidos dados inválidos do computador remoto.</translation>
    </message>
    <message>
        <source>The phone number, including prefix and suffix, is too long.</source>
        <translation>O número de telefone, incluindo prefixo e sufixo, é longo demais.</translation>
    </message>
    <message>
        <source>The IPX protocol cannot be used for dial-out on more than one modem at a time.</source>
        <translation>O protocolo IPX não pode ser usado para discagem de saída em mais de um modem ao mesmo tempo.</translation>
    </message>
    <message>
        <source>The system cannot find an IP adapter.</source>
        <translation>O sistema não consegue encontrar um adaptador IP.</translation>
    </message>
    <message>
        <source>SLIP cannot be used unless the IP protocol is installed.</source>
        <translation>O SLIP só pode ser usado se o protocolo IP estiver instalado.</translation>
    </message>
    <message>
        <source>Computer registration is not complete.</source>
        <translation>O registro do computador não foi concluído.</translation>
    </message>
    <message>
        <source>The protocol is not configured.</source>
        <translation>O protocolo não está configurado.</translation>
    </message>
    <message>
        <source>Your computer and the remote computer could not agree on PPP control protocols.</source>
        <translation>O computador e o computador remoto não chegaram a um acordo sobre os protocolos de controle PPP.</translation>
    </message>
    <message>
        <source>A connection to the remote computer could not be completed.</source>
        <translation>Não foi possível concluir uma conexão com o computador remoto.</translation>
    </message>
    <message>
        <source>The PPP link control protocol was terminated.</source>
        <translation>O protocolo de controle de link PPP foi encerrado.</translation>
    </message>
    <message>
        <source>The requested address was rejected by the server.</source>
        <translation>O endereço solicitado foi rejeitado pelo servidor.</translation>
    </message>
    <message>
        <source>The remote computer terminated the control protocol.</source>
        <translation>O computador remoto encerrou o protocolo de controle.</translation>
    </message>
    <message>
        <source>Loopback was detected.</source>
        <translation>Foi detectado um loopback.</translation>
    </message>
    <message>
        <source>The server did not assign an address.</source>
        <translation>O servidor não atribuiu um endereço.</translation>
    </message>
    <message>
        <source>The authentication protocol required by the remote server cannot use the stored password.</source>
        <translation>O protocolo de autenticação exigido pelo servidor remoto não pode usar a senha armazenada.</translation>
    </message>
    <message>
        <source>An invalid dialing rule was detected.</source>
        <translation>Foi detectada uma regra de discagem inválida.</translation>
    </message>
    <message>
        <source>The local computer does not support the required data encryption type.</source>
        <translation>O computador local não oferece suporte ao tipo de criptografia de dados exigido.</translation>
    </message>
    <message>
        <source>The remote computer does not support the required data encryption type.</source>
        <translation>O computador remoto não oferece suporte ao tipo de criptografia de dados exigido.</translation>
    </message>
    <message>
        <source>The remote server requires encryption.</source>
        <translation>O servidor remoto exige criptografia.</translation>
    </message>
    <message>
        <source>The callback number contains an invalid character.</source>
        <translation>O número de retorno de chamada contém um caractere inválido.</translation>
    </message>
    <message>
        <source>A syntax error was encountered while processing a script.</source>
        <translation>Foi encontrado um erro de sintaxe ao processar um script.</translation>
    </message>
    <message>
        <source>The connection could not be disconnected because it was created by the multi-protocol router.</source>
        <translation>Não foi possível desconectar a conexão porque ela foi criada pelo roteador multiprotocolo.</translation>
    </message>
    <message>
        <source>The system could not find the multi-link bundle.</source>
        <translation>O sistema não encontrou o pacote de vários links.</translation>
    </message>
    <message>
        <source>The remote computer is not reachable.</source>
        <translation>O computador remoto não está acessível.</translation>
    </message>
    <message>
        <source>The remote computer refused the connection attempt.</source>
        <translation>O computador remoto recusou a tentativa de conexão.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the network is busy.</source>
        <translation>A tentativa de conexão falhou porque a rede está ocupada.</translation>
    </message>
    <message>
        <source>The connection attempt failed because the modem on the remote computer is out of order.</source>
        <translation>A tentativa de conexão falhou porque o modem do computador remoto está com defeito.</translation>
    </message>
    <message>
        <source>It was not possible to verify the identity of the server.</source>
        <translation>Não foi possível verificar a identidade do servidor.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>A operação foi concluída com êxito.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Função incorreta.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>O sistema não pode encontrar o arquivo especificado.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>O sistema não pode encontrar o caminho especificado.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Acesso negado.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>O identificador é inválido.</translation>
    </message>
    <message>
        <source>Not enough storage is available to process this command.</source>
        <translation>Não há armazenamento suficiente disponível para processar este comando.</translation>
    </message>
    <message>
        <source>Not enough storage is available to complete this operation.</source>
        <translation>Não há armazenamento suficiente disponível para concluir esta operação.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Um dispositivo conectado ao sistema não está funcionando.</translation>
    </message>
    <message>
        <source>The request is not supported.</source>
        <translation>A solicitação não tem suporte.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>O parâmetro está incorreto.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>O nome do arquivo é muito longo.</translation>
    </message>
    <message>
        <source>This function is not supported on this system.</source>
        <translation>Esta função não tem suporte neste sistema.</translation>
    </message>
    <message>
        <source>The data area passed to a system call is too small.</source>
        <translation>A área de dados passada para uma chamada de sistema é pequena demais.</translation>
    </message>
    <message>
        <source>The specified module could not be found.</source>
        <translation>Não foi possível encontrar o módulo especificado.</translation>
    </message>
    <message>
        <source>The specified procedure could not be found.</source>
        <translation>Não foi possível encontrar o procedimento especificado.</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>O recurso solicitado está em uso.</translation>
    </message>
    <message>
        <source>More data is available.</source>
        <translation>Há mais dados disponíveis.</translation>
    </message>
    <message>
        <source>No more data is available.</source>
        <translation>Não há mais dados disponíveis.</translation>
    </message>
    <message>
        <source>One of the library files needed to run this application cannot be found.</source>
        <translation>Não foi possível encontrar um dos arquivos de biblioteca necessários para executar este aplicativo.</translation>
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
        <translation>Conexão: %1</translation>
    </message>
    <message>
        <source>Speed: %1 bps</source>
        <translation>Velocidade: %1 bps</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Duração: %1</translation>
    </message>
    <message>
        <source>Client IP: %1</source>
        <translation>IP do cliente: %1</translation>
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
        <translation>Busca URL com o cliente HTTP/1.0 do monitor e imprime cada evento em sua própria linha na ordem
em que ocorre, depois a linha de status da resposta.</translation>
    </message>
    <message>
        <source>send the request through this HTTP proxy</source>
        <translation>enviar a requisição por este proxy HTTP</translation>
    </message>
    <message>
        <source>Basic authorization for the proxy</source>
        <translation>autorização Basic para o proxy</translation>
    </message>
    <message>
        <source>connect through a CONNECT tunnel or a SOCKS server</source>
        <translation>conectar por um túnel CONNECT ou um servidor SOCKS</translation>
    </message>
    <message>
        <source>the firewall or SOCKS server</source>
        <translation>o firewall ou servidor SOCKS</translation>
    </message>
    <message>
        <source>user (and password) the firewall asks for</source>
        <translation>usuário (e senha) que o firewall pede</translation>
    </message>
    <message>
        <source>give up after S seconds (default: never)</source>
        <translation>desistir após S segundos (padrão: nunca)</translation>
    </message>
    <message>
        <source>User-Agent header</source>
        <translation>cabeçalho User-Agent</translation>
    </message>
    <message>
        <source>Accept header</source>
        <translation>cabeçalho Accept</translation>
    </message>
    <message>
        <source>send HEAD instead of GET</source>
        <translation>enviar HEAD em vez de GET</translation>
    </message>
    <message>
        <source>send POST with TEXT as body</source>
        <translation>enviar POST com TEXT como corpo</translation>
    </message>
    <message>
        <source>usage: vantrel-fetch [OPTIONS] URL</source>
        <translation>uso: vantrel-fetch [OPTIONS] URL</translation>
    </message>
    <message>
        <source>its port (default: 80 for tunnel, 1080 for SOCKS)</source>
        <translation>sua porta (padrão: 80 para tunnel, 1080 para SOCKS)</translation>
    </message>
    <message>
        <source>which redirects to follow (default: never)</source>
        <translation>quais redirecionamentos seguir (padrão: never)</translation>
    </message>
    <message>
        <source>keep at most N bytes of the body (0: all; default: 4096)</source>
        <translation>guardar no máximo N bytes do corpo (0: tudo; padrão: 4096)</translation>
    </message>
    <message>
        <source>also write the body to FILE</source>
        <translation>gravar também o corpo em FILE</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the request failed (&quot;code: text&quot; on standard error), 2 bad command line.</source>
        <translation>Status de saída: 0 concluído, 1 a requisição falhou (&quot;code: text&quot; na saída de erro padrão), 2 linha de comando inválida.</translation>
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
        <translation>Executa a camada de acesso discado do jeito que o monitor a consulta, uma vez por segundo do
relógio da fonte de dados, e imprime uma linha por tique: a conexão ativa, seu código e texto de
estado, o dispositivo, os endereços, a autenticação, os contadores de tráfego (bytes enviados e
recebidos desde que a conexão foi estabelecida) e a velocidade, e os servidores DNS; com a fonte
linux, também de onde vêm o nome, o tipo e o estado da conexão (NetworkManager ou o kernel).</translation>
    </message>
    <message>
        <source>one tick, then exit</source>
        <translation>um tique e sair</translation>
    </message>
    <message>
        <source>N ticks, then exit (default: until interrupted)</source>
        <translation>N tiques e sair (padrão: até ser interrompido)</translation>
    </message>
    <message>
        <source>The data source is chosen by VANTREL_SOURCE: linux (default), demo, sim:FILE or none.</source>
        <translation>A fonte de dados é escolhida por VANTREL_SOURCE: linux (padrão), demo, sim:FILE ou none.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 no dial-up networking or no statistics, 2 bad command line or source.</source>
        <translation>Status de saída: 0 concluído, 1 sem acesso discado ou sem estatísticas, 2 linha de comando ou fonte inválida.</translation>
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
        <translation>subchaves (terminadas em \) e valores de KEY; sem KEY, as raízes</translation>
    </message>
    <message>
        <source>the value&apos;s data</source>
        <translation>os dados do valor</translation>
    </message>
    <message>
        <source>set a text value (REG_SZ)</source>
        <translation>definir um valor de texto (REG_SZ)</translation>
    </message>
    <message>
        <source>set a REG_EXPAND_SZ value</source>
        <translation>definir um valor REG_EXPAND_SZ</translation>
    </message>
    <message>
        <source>set a 32-bit value (decimal, or hexadecimal with 0x)</source>
        <translation>definir um valor de 32 bits (decimal, ou hexadecimal com 0x)</translation>
    </message>
    <message>
        <source>set a REG_BINARY value (&quot;01,02,ff&quot; or &quot;0102ff&quot;)</source>
        <translation>definir um valor REG_BINARY (&quot;01,02,ff&quot; ou &quot;0102ff&quot;)</translation>
    </message>
    <message>
        <source>delete a value</source>
        <translation>excluir um valor</translation>
    </message>
    <message>
        <source>write KEY and everything below it as REGEDIT4 text</source>
        <translation>escrever KEY e tudo o que está abaixo dela como texto REGEDIT4</translation>
    </message>
    <message>
        <source>apply a REGEDIT4 file (- reads standard input) as a whole:
checked first, then applied in one transaction</source>
        <translation>aplicar um arquivo REGEDIT4 (- lê a entrada padrão) inteiro:
primeiro verificado, depois aplicado em uma só transação</translation>
    </message>
    <message>
        <source>KEY is a full key name, for example</source>
        <translation>KEY é um nome de chave completo, por exemplo</translation>
    </message>
    <message>
        <source>(HKCU, HKLM, HKCR, HKU and HKCC stand for their roots). NAME @ is the key&apos;s default value.
The registry is kept in $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (folder 0700, files 0600).
Key names are at most 255 characters, value names 16383, keys at most 512 levels deep; names
cannot hold line breaks or NUL characters. Imports are regular files of at most 16 MiB.</source>
        <translation>(HKCU, HKLM, HKCR, HKU e HKCC representam suas raízes). NAME @ é o valor padrão da chave. O
registro fica em $XDG_CONFIG_HOME/vantrel/registry.sqlite3 (pasta 0700, arquivos 0600). Nomes de
chave têm no máximo 255 caracteres, nomes de valor 16383, chaves no máximo 512 níveis; nomes não
podem conter quebras de linha nem caracteres NUL. Importações são arquivos comuns de até 16 MiB.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the registry refused, 2 bad command line or input (nothing changed).</source>
        <translation>Status de saída: 0 concluído, 1 o registro recusou, 2 linha de comando ou entrada inválida (nada alterado).</translation>
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
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>bytes per local day (default; the last 31 days)</source>
        <translation>bytes por dia local (padrão; os últimos 31 dias)</translation>
    </message>
    <message>
        <source>bytes per month (the last 12 months)</source>
        <translation>bytes por mês (os últimos 12 meses)</translation>
    </message>
    <message>
        <source>bytes per year (all of the history)</source>
        <translation>bytes por ano (todo o histórico)</translation>
    </message>
    <message>
        <source>one line per connection (the last 31 days)</source>
        <translation>uma linha por conexão (os últimos 31 dias)</translation>
    </message>
    <message>
        <source>each data plan: its limit, what counts, the billing cycle holding today (or the
--to date), the bytes used in it, the percentage of the limit and the days left</source>
        <translation>cada plano de dados: seu limite, o que conta, o ciclo de cobrança que contém hoje (ou
a data de --to), os bytes usados nele, a porcentagem do limite e os dias restantes</translation>
    </message>
    <message>
        <source>adds the connections of the monitor&apos;s CSV log FILE that the history lacks</source>
        <translation>adiciona as conexões do log CSV FILE do monitor que faltam no histórico</translation>
    </message>
    <message>
        <source>one entry name only (default: all, added up); with plan, the plan that
applies to that entry name</source>
        <translation>apenas um nome de conexão (padrão: todos, somados); com plan, o plano
que se aplica a esse nome de conexão</translation>
    </message>
    <message>
        <source>from this local date (YYYY-MM-DD) on</source>
        <translation>a partir desta data local (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>up to and including this local date</source>
        <translation>até esta data local, inclusive</translation>
    </message>
    <message>
        <source>JSON instead of aligned text</source>
        <translation>JSON em vez de texto alinhado</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>valores separados por vírgula com uma linha de cabeçalho</translation>
    </message>
    <message>
        <source>write the totals per entry name in the Prometheus text format to FILE,
replacing it in one step (for node_exporter&apos;s textfile collector)</source>
        <translation>gravar os totais por nome de conexão no formato de texto do Prometheus em
FILE, substituindo-o de uma vez (para o coletor textfile do node_exporter)</translation>
    </message>
    <message>
        <source>another history (default: $XDG_DATA_HOME/vantrel/usage.sqlite3)</source>
        <translation>outro histórico (padrão: $XDG_DATA_HOME/vantrel/usage.sqlite3)</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the history is missing or cannot be read, 2 bad command line.</source>
        <translation>Status de saída: 0 concluído, 1 o histórico não existe ou não pode ser lido, 2 linha de comando inválida.</translation>
    </message>
</context>
</TS>
