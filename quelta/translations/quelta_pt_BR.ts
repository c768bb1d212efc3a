<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>Limite de 5 horas indisponível</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>Limite semanal indisponível</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Limite do Fable 5 indisponível</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>Nenhum uso ainda</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>Horário de redefinição indisponível</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>O Claude Free não inclui o Claude Code</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Verificando…</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>Requer conexão</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>Temporariamente limitado</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>Abra o Claude Code para renovar o acesso</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>Cota indisponível</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1 verifica novamente em %n minuto</numerusform>
            <numerusform>%1 verifica novamente em %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1 verifica novamente em %n hora</numerusform>
            <numerusform>%1 verifica novamente em %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Atualizando…</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>Não foi possível salvar os ajustes</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>Não foi possível manter o histórico</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>Atualização incompleta · Tente novamente</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>Verificando cotas</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>Ainda não atualizado</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Atualizado agora mesmo</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>Atualizado há %n minuto</numerusform>
            <numerusform>Atualizado há %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>Atualizado há %n hora</numerusform>
            <numerusform>Atualizado há %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>Entre no Claude</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>Entre com sua assinatura do Claude</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>Reconecte sua assinatura do Claude</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>Uso indisponível</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>Nenhuma sessão ativa</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>Conectado · limites ainda não informados</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>Conectado · horário de redefinição indisponível</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>Redefine em %1</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>d&#xa0;&apos;de&apos;&#xa0;MMM</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>Redefine em %1&#xa0;d&#xa0;%2&#xa0;h</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>Redefine em %1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>Redefine em %n minuto</numerusform>
            <numerusform>Redefine em %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>acompanhada</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>oferecida</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(sessão web)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(sem identidade)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>deixada de fora: %1: %2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add precisa de um provedor e de uma pasta</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>provedor desconhecido: %1 (escolha claude ou chatgpt)</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>pasta inexistente: %1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>%1 não contém login do %2</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>dê à conta um nome com letras, dígitos, &quot;-&quot;, &quot;_&quot; ou &quot;.&quot; usando --name</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>já existe uma conta com esse nome: escolha outro com --name</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>%1 adicionada. Para acompanhá-la: quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>nenhuma conta adicionada com o nome %1: veja quelta accounts</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1 foi encontrada na pasta, não adicionada: use untrack para deixar de acompanhá-la</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 removida.</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1 é a última conta acompanhada</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>%1 está sendo acompanhada.</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>%1 não é mais acompanhada.</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>Uso: quelta accounts                 listar as contas, suas pastas e quem está conectado
     quelta accounts add claude|chatgpt FOLDER [--name NAME]
     quelta accounts remove NAME     esquecer uma pasta adicionada
     quelta accounts track|untrack NAME
NAME é o nome de uma conta, ou claude:NAME e chatgpt:NAME quando duas o compartilham.
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>comando accounts desconhecido: %1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1 precisa de um nome de conta</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>nenhuma conta com o nome %1: veja quelta accounts</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>Conclua o login no navegador</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>Não foi possível conectar · Tente novamente</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>Exibindo a última atualização</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>%1 créditos restantes</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>Limite de 5 horas</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>Limite semanal</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Limite diário</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>Cota não disponível</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>Restam %1 por cento</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>%1 por cento usados</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>formato desconhecido: %1 (escolha %2)</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>provedor desconhecido: %1 (escolha %2, ou uma conta como claude:NAME)</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>opção desconhecida para status: %1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format e --json não podem ser usados juntos</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Entrando no %1…</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1 está conectado.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>Não foi possível conectar o %1.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>não é possível gravar a saída</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>não é possível gravar a saída: %1</translation>
    </message>
    <message>
        <source>Usage: quelta &lt;command&gt; [options]

Commands:
  status [--json] [--cached]   refresh and show what is left of each allowance
                               (--cached: the last figures, without loading)
  status --watch               a JSON line now and again on every change
  status --format waybar|polybar|i3blocks
                               one line for that status bar; with --watch, one
                               more on every change
  status --provider NAME       only that provider: chatgpt, claude or framer;
                               claude:NAME for one of its accounts
  connect chatgpt|claude       sign in with the vendor&apos;s tool and connect it
  connect claude:NAME          the same for another account
  connect framer               sign in to Framer in its window and connect it
  accounts [add|remove|track|untrack …]
                               list or change the accounts of each provider
</source>
        <translation>Uso: quelta &lt;comando&gt; [opções]

Comandos:
  status [--json] [--cached]   atualizar e mostrar o que resta de cada cota
                               (--cached: os últimos números, sem carregar)
  status --watch               uma linha JSON agora e outra a cada mudança
  status --format waybar|polybar|i3blocks
                               uma linha para essa barra de status; com --watch, mais
                               uma a cada mudança
  status --provider NAME       só esse provedor: chatgpt, claude ou framer;
                               claude:NAME para uma de suas contas
  connect chatgpt|claude       entrar com a ferramenta do provedor e conectá-lo
  connect claude:NAME          o mesmo para outra conta
  connect framer               entrar no Framer na janela dele e conectá-lo
  accounts [add|remove|track|untrack …]
                               listar ou alterar as contas de cada provedor
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>Opções:
  --help       mostrar esta ajuda
  --version    mostrar a versão
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>O login no Framer é feito em uma janela: execute este comando na sua área de trabalho.</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>comando desconhecido: %1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>não foi possível salvar os ajustes em %1</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>provedor desconhecido: %1 (escolha %2)</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>data inválida: %1 (use um número de dias como 7d ou 30d, ou uma data como 2026-11-01)</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>formato desconhecido: %1 (escolha table, csv ou json)</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import precisa de um arquivo</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>opção desconhecida para history: %1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import não aceita outras opções</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>Ainda não há histórico.
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provedor</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>Redefinição</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; nada foi importado</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>não foi possível gravar o histórico: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>%n amostra importada; %1 já no histórico.</numerusform>
            <numerusform>%n amostras importadas; %1 já no histórico.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>%n amostra importada.</numerusform>
            <numerusform>%n amostras importadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>  history [--format table|csv|json]
                               the figures Quelta recorded, oldest first
  history --provider NAME[:ACCOUNT]
                               only that service, or one account of it
  history --limit ID           only that limit, such as five_hour or weekly
  history --since 7d|30d|DATE  only from that many days back, or that date on
  history --import FILE        add the samples of a CSV or JSON export
</source>
        <translation>  history [--format table|csv|json]
                               os números registrados pelo Quelta, do mais antigo
  history --provider NAME[:ACCOUNT]
                               só esse serviço, ou uma de suas contas
  history --limit ID           só esse limite, como five_hour ou weekly
  history --since 7d|30d|DATE  só a partir de tantos dias atrás, ou dessa data
  history --import FILE        adicionar as amostras de uma exportação CSV ou JSON
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>o histórico está indisponível: %1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>não foi possível ler o histórico: %1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>Entre no Framer na janela, com o Google ou o link do seu e-mail, e tente novamente.</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>O auxiliar web do Quelta, quelta-web, não está ao lado do quelta: instale o Quelta novamente.</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>Conclua o login do Codex no navegador e tente novamente.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>Instale o Codex em %1 e conecte o ChatGPT novamente.</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>Abra o Claude Code, execute /login e escolha sua assinatura do Claude.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>Instale o Claude Code em %1 e conecte o Claude novamente.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>Sua conta do Claude está no plano Free. O Claude Code requer uma assinatura paga do Claude.</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>o Quelta em execução não respondeu: %1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>a mesma conta da pasta padrão %1, que é mantida</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>a mesma conta de %1, que foi encontrada primeiro e é mantida</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>não é possível iniciar o programa do aplicativo %1: %2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>Boas-vindas ao Quelta</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>Seu uso na bandeja do sistema.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>Escolha seus provedores</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>Selecione os serviços que o Quelta deve acompanhar.</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>Mais provedores em breve</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>Também conectado neste computador</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>Configurar depois</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Abrir o Quelta</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Tudo pronto</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>O Quelta está pronto na bandeja do sistema.</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>Login do Codex encontrado</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>Login do Claude Code encontrado</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>Sessão do Framer encontrada</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>Login do Codex necessário</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>Login do Claude Code necessário</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>Conectar o Framer</translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation>Conectar %1</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 conectado</translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation>Não foi possível conectar %1</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>O Claude Code não está incluído</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>Use seu login atual do Codex para mostrar
seus limites de uso do ChatGPT.</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>Use seu login atual do Claude Code para mostrar
seus limites de uso do Claude.</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>Use sua sessão atual do Framer para mostrar
seus créditos de agente restantes.</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>Entre pelo Codex para o Quelta mostrar
seus limites de uso do ChatGPT.</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>Entre pelo Claude Code para o Quelta mostrar
seus limites de uso do Claude.</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>Entre para o Quelta mostrar
seus créditos de agente restantes.</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>Agora o Quelta pode manter seu uso
do %1 atualizado.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>Instale o Codex em %1 e tente de novo.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>Instale o Claude Code em %1 e tente de novo.</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>Algo interrompeu a conexão.
Tente de novo quando quiser.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>Sua conta do Claude está no plano Free.
O Claude Code exige uma assinatura paga do Claude.</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>Usar esta conta</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>Entrar com o Codex</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>Entrar com o Claude Code</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>Aguardando o Codex…</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>Aguardando o Claude Code…</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>Aguardando o Framer…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Etapa %1 de %2</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation>Atualizar cotas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>Adiar 1 h</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>O Quelta não conseguiu enviar alertas. Verifique as notificações nos ajustes do sistema.</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>Créditos de agente</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>Limite de uso</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>Nesse ritmo, acaba em %1, %2 antes de redefinir.</translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;d</translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;d&#xa0;%2&#xa0;h</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;h</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 has %2% remaining.</source>
        <translation>%1: restam %2%.</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 está quase esgotado</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 está acabando</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>Limite do %1 redefinido</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1 voltou a ter %2% restantes.</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>O uso do %1 está subindo rápido</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>Você usou %1% do seu %2 em 30 minutos.</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation> Nesse ritmo, pode acabar antes de redefinir em %1.</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>O uso do %1 está acima do ritmo</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>Você usou %1% do seu %2 e faltam %3. Nesse ritmo, pode acabar em cerca de %4.</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 desconectado</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>Reconecte o %1 para o Quelta manter o uso atualizado.</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>O Quelta %1 está disponível</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>O Quelta está atualizado</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>Atualizações não configuradas</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>Não foi possível verificar atualizações</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>Baixe na página dela e instale por cima desta.</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>Esta é a versão mais recente do Quelta.</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>Esta versão do Quelta não tem feed de atualizações.</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>Não foi possível ler o feed de atualizações. Tente mais tarde.</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Mostrar histórico…</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>Sair do Quelta</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Ajustes do Quelta</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>Abrindo seu link mágico…</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>O Quelta está concluindo o login nesta janela.</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer conectado</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>Você pode fechar esta janela e atualizar suas cotas.</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>Esse link não funcionou</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>Usando e-mail?</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>Abra o e-mail do Framer. Clique com o botão direito em Open Framer, escolha Copiar link e clique em Colar link.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>Escolha Google ou e-mail abaixo.</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>Colar link</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>Copie o link de login do Framer do seu e-mail e tente de novo.</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>O Framer não conseguiu abrir esse link de login.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>what is left, then when it resets</comment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>lowercase</source>
        <comment>a limit&apos;s name inside a sentence: lowercase, or keep</comment>
        <translation>lowercase</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <comment>weekday, day, month and time</comment>
        <translation>ddd, d &apos;de&apos; MMM, HH:mm</translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation>Esgotado em %1</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>Esgotado em %1 · reinicia em %2</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>Esgotado em %1 · reiniciado %2 depois</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>%1 % usado em %2; na semana passada, %3 % neste ponto</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>%1 % usado em %2; ontem, %3 % neste ponto</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>%1 % usado em %2; no período anterior, %3 % neste ponto</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Used %1 % in %2</source>
        <translation>%1 % usado em %2</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>Histórico do Quelta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Último %n dia</numerusform>
            <numerusform>Últimos %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>Pico de uso diário</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>Sem dados neste período</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>Máximo: %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>Pico diário</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>Ainda não há histórico para esta conta.</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>Pico de %1 % em %n dia · agora %2 %</numerusform>
            <numerusform>Pico de %1 % nos últimos %n dias · agora %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>Pico de %1 % em %n dia</numerusform>
            <numerusform>Pico de %1 % nos últimos %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>Nenhum limite se esgotou neste período.</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>E mais %n anterior.</numerusform>
            <numerusform>E mais %n anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>Esgotados</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>ddd, d &apos;de&apos; MMM</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: sem dados</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1: pico de %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>Essa pasta não existe.</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>Essa pasta não tem login do %1. Entre com o %1 nela primeiro.</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>Use letras, dígitos, “-”, “_” ou “.” no nome da conta.</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>Já existe uma conta chamada “%1”. Escolha outro nome.</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>Não é possível adicionar essa pasta.</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>Adicionar conta…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>Nome, como trabalho</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nome da conta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>Escolha a pasta pela qual a conta está conectada.</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>Adicionada · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>Encontrada · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>Mostrar %1 no Quelta</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>Nenhuma outra conta encontrada. Pastas do Claude Code como ~/.claude-work e do Codex como ~/.codex-work são encontradas automaticamente.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponível</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>Limite de 5 horas</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>Limite semanal (todos)</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>Limite semanal (Fable 5)</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>As credenciais ficam com cada provedor.</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>O Claude Code exige uma assinatura paga do Claude.</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>Limite de uso</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Provedores</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>Escolha quais cotas aparecem no Quelta. Os dados ficam neste computador.</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>Escolher a pasta da conta</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>Outras pastas do Claude Code e do Codex, cada uma conectada à própria conta.</translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation>Permitir alertas de uso</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation>Alertas de uso</translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation>Ritmo de uso</translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation>Avisar quando o uso subir rápido ou puder se esgotar antes de reiniciar.</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>Cota baixa</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>Alertar uma vez com 25% restantes e de novo com 10%.</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>Reinícios de limite</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>Avisar quando uma cota estiver cheia de novo.</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>Desconexões</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>Avisar quando um provedor ativado perder a conexão.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>Receba um aviso discreto antes que uma cota vire um problema.</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>Mostrar a cota no painel</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>Cota no painel</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>Mostra a cota mais apertada, ou a que você acompanha, ao lado do ícone.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Acompanhar</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>Cota mais apertada</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>Abrir o Quelta ao iniciar sessão</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abrir ao iniciar sessão</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>Abrir o Quelta automaticamente ao iniciar sessão.</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>Compartilhar análises anônimas</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>Compartilhar análises anônimas</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>Compartilha a configuração, a atividade do app e a confiabilidade da conexão. Nomes de provedores, saldos e dados da conta continuam privados.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>Abrir formulário</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar feedback</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>Relate um bug, peça um recurso ou sugira um provedor.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>Gratuito · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>Manter histórico</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 dias</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 dias</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365 dias</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Sempre</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Por quanto tempo o Quelta guarda dados anteriores neste computador.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>Histórico de uso</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>Cada limite nos últimos dias, picos diários e os períodos esgotados.</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>Limpar histórico…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>Apagar todos os dados que o Quelta registrou.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>Limpar todo o histórico?</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>O Quelta apagará todos os dados registrados. Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>Não foi possível limpar o histórico</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>Não foi possível gravar o arquivo de histórico.</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>Entrando…</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>O Quelta só verifica provedores ativados e guarda o histórico neste computador.</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>As notificações estão desativadas nos ajustes da área de trabalho.</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>Os banners de notificação estão desligados nos ajustes da área de trabalho.</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>Permita que o Quelta abra ao iniciar sessão</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>O Quelta não conseguiu se adicionar aos programas que abrem ao iniciar sessão. Verifique se a sua pasta autostart permite gravação.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1 não conseguiu se conectar</translation>
    </message>
</context>
</TS>
