<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>Límite de 5 horas no disponible</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>Límite semanal no disponible</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Límite de Fable 5 no disponible</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>Sin uso todavía</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>Hora de restablecimiento desconocida</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>Claude Free no incluye Claude Code</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>Requiere conexión</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>Limitado temporalmente</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>Abre Claude Code para renovar el acceso</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>Cuota no disponible</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1 vuelve a comprobar en %n minuto</numerusform>
            <numerusform>%1 vuelve a comprobar en %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1 vuelve a comprobar en %n hora</numerusform>
            <numerusform>%1 vuelve a comprobar en %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>No se pudieron guardar los ajustes</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>No se pudo guardar el historial</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>Actualización incompleta · Vuelve a intentarlo</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>Comprobando cuotas</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>Aún sin actualizar</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Actualizado hace un momento</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>Actualizado hace %n minuto</numerusform>
            <numerusform>Actualizado hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>Actualizado hace %n hora</numerusform>
            <numerusform>Actualizado hace %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>Inicia sesión en Claude</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>Inicia sesión con tu suscripción de Claude</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>Vuelve a conectar tu suscripción de Claude</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>Uso no disponible</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>No hay ninguna sesión activa</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>Conectado · aún no se han informado límites</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>Conectado · hora de restablecimiento desconocida</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>Se restablece el %1</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>d&#xa0;MMM</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>Se restablece en %1&#xa0;d&#xa0;%2&#xa0;h</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>Se restablece en %1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>Se restablece en %n minuto</numerusform>
            <numerusform>Se restablece en %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>seguida</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>ofrecida</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(sesión web)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(sin identidad)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>omitida: %1: %2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add necesita un proveedor y una carpeta</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>proveedor desconocido: %1 (elige claude o chatgpt)</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>no existe la carpeta: %1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>%1 no contiene ningún inicio de sesión de %2</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>da a la cuenta un nombre de letras, cifras, «-», «_» o «.» con --name</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>ya existe una cuenta con ese nombre: elige otro con --name</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>Se añadió %1. Para seguirla: quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>no hay ninguna cuenta añadida llamada %1: consulta quelta accounts</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1 se encontró en su carpeta, no se añadió: deja de seguirla con untrack</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Se quitó %1.</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1 es la última cuenta que se sigue</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>Se sigue %1.</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>Ya no se sigue %1.</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>Uso: quelta accounts                 listar las cuentas, sus carpetas y quién ha iniciado sesión
     quelta accounts add claude|chatgpt FOLDER [--name NAME]
     quelta accounts remove NAME     olvidar una carpeta añadida
     quelta accounts track|untrack NAME
NAME es el nombre de una cuenta, o claude:NAME y chatgpt:NAME cuando dos lo comparten.
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>orden de accounts desconocida: %1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1 necesita un nombre de cuenta</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>no hay ninguna cuenta llamada %1: consulta quelta accounts</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>Completa el inicio de sesión en tu navegador</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>No se pudo conectar · Vuelve a intentarlo</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>Mostrando la última actualización</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>Quedan %1 créditos</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>Límite de 5 horas</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>Límite semanal</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Límite diario</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>Cuota no disponible</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>Queda un %1 por ciento</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>Usado el %1 por ciento</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>formato desconocido: %1 (elige %2)</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>proveedor desconocido: %1 (elige %2, o una cuenta como claude:NAME)</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>opción desconocida para status: %1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format y --json no se pueden usar juntos</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Iniciando sesión en %1…</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1 está conectado.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>No se pudo conectar %1.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>no se puede escribir la salida: %1</translation>
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
        <translation>Uso: quelta &lt;orden&gt; [opciones]

Órdenes:
  status [--json] [--cached]   actualizar y mostrar lo que queda de cada cuota
                               (--cached: las últimas cifras, sin cargar)
  status --watch               una línea JSON ahora y otra con cada cambio
  status --format waybar|polybar|i3blocks
                               una línea para esa barra de estado; con --watch, otra
                               más con cada cambio
  status --provider NAME       solo ese proveedor: chatgpt, claude o framer;
                               claude:NAME para una de sus cuentas
  connect chatgpt|claude       iniciar sesión con la herramienta del proveedor y conectarlo
  connect claude:NAME          lo mismo para otra cuenta
  connect framer               iniciar sesión en Framer en su ventana y conectarlo
  accounts [add|remove|track|untrack …]
                               listar o cambiar las cuentas de cada proveedor
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>Opciones:
  --help       mostrar esta ayuda
  --version    mostrar la versión
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>El inicio de sesión en Framer se hace en una ventana: ejecuta esta orden en tu escritorio.</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>orden desconocida: %1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>no se pudieron guardar los ajustes en %1</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>proveedor desconocido: %1 (elige %2)</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>fecha no válida: %1 (usa un número de días como 7d o 30d, o una fecha como 2026-11-01)</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>formato desconocido: %1 (elige table, csv o json)</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import necesita un archivo</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>opción desconocida para history: %1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import no admite ninguna otra opción</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>Todavía no hay historial.
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>Restablecimiento</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; no se importó nada</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>no se pudo escribir el historial: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>Se importó %n muestra; %1 ya estaban en el historial.</numerusform>
            <numerusform>Se importaron %n muestras; %1 ya estaban en el historial.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>Se importó %n muestra.</numerusform>
            <numerusform>Se importaron %n muestras.</numerusform>
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
                               las cifras que registró Quelta, de la más antigua
  history --provider NAME[:ACCOUNT]
                               solo ese servicio, o una de sus cuentas
  history --limit ID           solo ese límite, como five_hour o weekly
  history --since 7d|30d|DATE  solo desde hace tantos días, o desde esa fecha
  history --import FILE        añadir las muestras de una exportación CSV o JSON
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>el historial no está disponible: %1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>no se pudo leer el historial: %1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>Inicia sesión en Framer en la ventana, con Google o con el enlace de tu correo, y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>Falta el asistente web de Quelta, quelta-web, junto a quelta: vuelve a instalar Quelta.</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>Completa el inicio de sesión de Codex en tu navegador y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>Instala Codex desde %1 y vuelve a conectar ChatGPT.</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>Abre Claude Code, ejecuta /login y elige tu suscripción de Claude.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>Instala Claude Code desde %1 y vuelve a conectar Claude.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>Tu cuenta de Claude tiene el plan Free. Claude Code necesita una suscripción de pago de Claude.</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>el Quelta en ejecución no respondió: %1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>la misma cuenta que la carpeta predeterminada %1, que se conserva</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>la misma cuenta que %1, que se encontró antes y se conserva</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>no se puede iniciar el programa de la aplicación %1: %2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>Te damos la bienvenida a Quelta</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>Tu uso en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>Elige tus proveedores</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>Selecciona los servicios que Quelta debe seguir.</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>Pronto habrá más proveedores</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>También con sesión en este equipo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>Configurar más tarde</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Abrir Quelta</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Todo listo</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>Quelta está listo en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>Sesión de Codex encontrada</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>Sesión de Claude Code encontrada</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>Sesión de Framer encontrada</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>Se requiere iniciar sesión en Codex</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>Se requiere iniciar sesión en Claude Code</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>Conectar Framer</translation>
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
        <translation>No se pudo conectar %1</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>Claude Code no está incluido</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>Usa tu sesión de Codex actual para mostrar
tus límites de uso de ChatGPT.</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>Usa tu sesión de Claude Code actual para mostrar
tus límites de uso de Claude.</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>Usa tu sesión de Framer actual para mostrar
tus créditos de agente restantes.</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>Inicia sesión con Codex para que Quelta muestre
tus límites de uso de ChatGPT.</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>Inicia sesión con Claude Code para que Quelta muestre
tus límites de uso de Claude.</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>Inicia sesión para que Quelta muestre
tus créditos de agente restantes.</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>Quelta ya puede mantener al día
tu uso de %1.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>Instala Codex desde %1 y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>Instala Claude Code desde %1 y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>Algo interrumpió la conexión.
Vuelve a intentarlo cuando quieras.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>Tu cuenta de Claude tiene el plan Free.
Claude Code requiere una suscripción de pago a Claude.</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>Usar esta cuenta</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>Iniciar sesión con Codex</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>Iniciar sesión con Claude Code</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>Esperando a Codex…</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>Esperando a Claude Code…</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>Esperando a Framer…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
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
        <translation>Actualizar cuotas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>Posponer 1 h</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>Quelta no pudo enviar alertas. Revisa las notificaciones en los ajustes del sistema.</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>Créditos de agente</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>Límite de uso</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>A este ritmo se agota en %1, %2 antes de restablecerse.</translation>
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
        <translation>%1: queda un %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 está casi agotado</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 se está agotando</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>Límite de %1 restablecido</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1 vuelve a tener un %2&#xa0;% restante.</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>El uso de %1 sube rápido</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>Has usado un %1&#xa0;% de tu %2 en 30 minutos.</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation> A este ritmo, podrías agotarlo antes de que se restablezca en %1.</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>El uso de %1 va por delante del ritmo</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>Has usado un %1&#xa0;% de tu %2 y quedan %3. A este ritmo, podrías agotarlo en unas %4.</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 desconectado</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>Vuelve a conectar %1 para que Quelta mantenga su uso al día.</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>Quelta %1 está disponible</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>Quelta está al día</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>Las actualizaciones no están configuradas</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>Descárgala desde su página e instálala sobre esta.</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>Esta es la versión más reciente de Quelta.</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>Esta compilación de Quelta no tiene fuente de actualizaciones.</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>No se pudo leer la fuente de actualizaciones. Inténtalo más tarde.</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Mostrar historial…</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>Salir de Quelta</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Ajustes de Quelta</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>Abriendo tu enlace mágico…</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>Quelta está completando el inicio de sesión en esta ventana.</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer conectado</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>Puedes cerrar esta ventana y actualizar tus cuotas.</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>Ese enlace no funcionó</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>¿Usas el correo?</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>Abre el correo de Framer. Haz clic derecho en Open Framer, elige Copiar enlace y luego haz clic en Pegar enlace.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>Elige Google o correo a continuación.</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>Pegar enlace</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>Copia el enlace de inicio de sesión de Framer de tu correo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>Framer no pudo abrir ese enlace de inicio de sesión.</translation>
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
        <translation>ddd d MMM, HH:mm</translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation>Agotado el %1</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>Agotado el %1 · se restablece en %2</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>Agotado el %1 · restablecido %2 después</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>%1 % usado en %2; la semana pasada, %3 % a estas alturas</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>%1 % usado en %2; ayer, %3 % a estas alturas</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>%1 % usado en %2; en el período anterior, %3 % a estas alturas</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>%1 % usado en %2</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>Historial de Quelta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Último %n día</numerusform>
            <numerusform>Últimos %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>Uso máximo diario</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>Sin datos en este período</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>Máximo: %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>Máximo diario</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>Aún no hay historial para esta cuenta.</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>Máximo del %1 % en %n día · ahora %2 %</numerusform>
            <numerusform>Máximo del %1 % en los últimos %n días · ahora %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>Máximo del %1 % en %n día</numerusform>
            <numerusform>Máximo del %1 % en los últimos %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>Ningún límite se agotó en este período.</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>Y %n anterior.</numerusform>
            <numerusform>Y %n anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>Agotados</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: sin datos</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1: máximo %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>Esa carpeta no existe.</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>Esa carpeta no tiene una sesión de %1. Inicia sesión allí con %1 primero.</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>Usa letras, dígitos, “-”, “_” o “.” para el nombre de la cuenta.</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>Ya existe una cuenta llamada “%1”. Elige otro nombre.</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>No se puede añadir esa carpeta.</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>Añadir cuenta…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>Nombre, como trabajo</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>Elige la carpeta con la que la cuenta inició sesión.</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>Añadida · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>Encontrada · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>Mostrar %1 en Quelta</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>No se encontraron otras cuentas. Las carpetas de Claude Code como ~/.claude-work y de Codex como ~/.codex-work se encuentran solas.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>Límite de 5 horas</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>Límite semanal (todos)</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>Límite semanal (Fable 5)</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>Las credenciales se quedan con cada proveedor.</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>Claude Code requiere una suscripción de pago a Claude.</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>Límite de uso</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>Elige qué cuotas aparecen en Quelta. Los datos se quedan en este equipo.</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>Elegir la carpeta de la cuenta</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>Otras carpetas de Claude Code y Codex, cada una con su propia cuenta.</translation>
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
        <translation>Avisar si el uso sube rápido o puede agotarse antes del restablecimiento.</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>Cuota baja</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>Avisar una vez al quedar un 25 % y otra al 10 %.</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>Restablecimientos</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>Avisarme cuando una cuota vuelva a estar completa.</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>Desconexiones</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>Avisarme cuando un proveedor activado pierda la conexión.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>Recibe un aviso discreto antes de que una cuota sea un problema.</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>Mostrar la cuota en el panel</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>Cuota en el panel</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>Muestra la cuota más ajustada, o la que sigues, junto al icono.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>Cuota más ajustada</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>Abrir Quelta al iniciar sesión</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>Abre Quelta automáticamente al iniciar sesión.</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>Compartir analíticas anónimas</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>Compartir analíticas anónimas</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>Comparte la configuración, la actividad de la app y la fiabilidad de la conexión. Los proveedores, saldos y datos de la cuenta siguen siendo privados.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>Abrir formulario</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>Informa de un error, pide una función o sugiere un proveedor.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>Gratis · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>Conservar historial</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 días</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 días</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365 días</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Cuánto tiempo guarda Quelta los datos anteriores en este equipo.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>Historial de uso</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>Cada límite en los últimos días, los máximos diarios y los períodos agotados.</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>Borrar historial…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>Olvida todos los datos que Quelta ha registrado.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>¿Borrar todo el historial?</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>Quelta olvidará todos los datos registrados. No se puede deshacer.</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>No se pudo borrar el historial</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>No se pudo escribir el archivo del historial.</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>Iniciando sesión…</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>Quelta solo consulta los proveedores activados y guarda el historial en este equipo.</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>Las notificaciones están desactivadas en los ajustes del escritorio.</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>Los avisos emergentes están desactivados en los ajustes del escritorio.</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>Permite que Quelta se abra al iniciar sesión</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>Quelta no pudo añadirse a los programas que se abren al iniciar sesión. Comprueba que se pueda escribir en tu carpeta autostart.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1 no pudo conectarse</translation>
    </message>
</context>
</TS>
