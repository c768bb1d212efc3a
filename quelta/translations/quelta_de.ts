<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>5-Stunden-Limit nicht verfügbar</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>Wochenlimit nicht verfügbar</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Fable-5-Limit nicht verfügbar</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>Noch keine Nutzung</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>Zurücksetzzeit unbekannt</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>Claude Free enthält Claude Code nicht</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Wird geprüft …</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>Verbindung erforderlich</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>Vorübergehend gedrosselt</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>Claude Code öffnen, um den Zugriff zu erneuern</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>Kontingent nicht verfügbar</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1 prüft erneut in %n Minute</numerusform>
            <numerusform>%1 prüft erneut in %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1 prüft erneut in %n Stunde</numerusform>
            <numerusform>%1 prüft erneut in %n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Wird aktualisiert …</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>Einstellungen konnten nicht gesichert werden</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>Verlauf konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>Aktualisierung unvollständig · Erneut versuchen</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>Kontingente werden geprüft</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>Noch nicht aktualisiert</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Gerade aktualisiert</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>Vor %n Minute aktualisiert</numerusform>
            <numerusform>Vor %n Minuten aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>Vor %n Stunde aktualisiert</numerusform>
            <numerusform>Vor %n Stunden aktualisiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>Bei Claude anmelden</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>Mit Ihrem Claude-Abo anmelden</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>Claude-Abo erneut verbinden</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>Nutzung nicht verfügbar</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>Keine aktive Sitzung</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>Verbunden · noch keine Limits gemeldet</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>Verbunden · Zurücksetzzeit unbekannt</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>Wird am %1 zurückgesetzt</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>d.&#xa0;MMM</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>Wird in %1&#xa0;T.&#xa0;%2&#xa0;Std. zurückgesetzt</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>Wird in %1&#xa0;Std.&#xa0;%2&#xa0;Min. zurückgesetzt</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>Wird in %n Minute zurückgesetzt</numerusform>
            <numerusform>Wird in %n Minuten zurückgesetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>verfolgt</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>angeboten</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(Web-Sitzung)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(keine Identität)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>ausgelassen: %1: %2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add braucht einen Anbieter und einen Ordner</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>unbekannter Anbieter: %1 (claude oder chatgpt wählen)</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>%1 enthält keine %2-Anmeldung</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>dem Konto mit --name einen Namen aus Buchstaben, Ziffern, „-“, „_“ oder „.“ geben</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>ein Konto mit diesem Namen gibt es schon: mit --name einen anderen wählen</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>%1 hinzugefügt. Verfolgen mit: quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>kein hinzugefügtes Konto namens %1: siehe quelta accounts</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1 wurde in seinem Ordner gefunden, nicht hinzugefügt: stattdessen mit untrack nicht mehr verfolgen</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1 ist das letzte verfolgte Konto</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>%1 wird verfolgt.</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>%1 wird nicht mehr verfolgt.</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>Aufruf: quelta accounts                 Konten, ihre Ordner und wer angemeldet ist, auflisten
        quelta accounts add claude|chatgpt FOLDER [--name NAME]
        quelta accounts remove NAME     einen hinzugefügten Ordner vergessen
        quelta accounts track|untrack NAME
NAME ist der Name eines Kontos, oder claude:NAME und chatgpt:NAME, wo sich zwei einen Namen teilen.
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>unbekannter accounts-Befehl: %1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1 braucht genau einen Kontonamen</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>kein Konto namens %1: siehe quelta accounts</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>Anmeldung im Browser abschließen</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>Verbindung fehlgeschlagen · Erneut versuchen</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>Letzter Stand</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>Noch %1 Credits</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>5-Stunden-Limit</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>Wochenlimit</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Tageslimit</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>Kontingent nicht verfügbar</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>Noch %1 Prozent</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>%1 Prozent verbraucht</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>unbekanntes Format: %1 (%2 wählen)</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>unbekannter Anbieter: %1 (%2 wählen, oder ein Konto als claude:NAME)</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>unbekannte Option für status: %1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format und --json lassen sich nicht zusammen verwenden</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Anmeldung bei %1 …</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>%1 konnte nicht verbunden werden.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>Ausgabe kann nicht geschrieben werden: %1</translation>
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
        <translation>Aufruf: quelta &lt;Befehl&gt; [Optionen]

Befehle:
  status [--json] [--cached]   aktualisieren und zeigen, was von jedem Kontingent übrig ist
                               (--cached: die letzten Werte, ohne zu laden)
  status --watch               jetzt eine JSON-Zeile und eine weitere bei jeder Änderung
  status --format waybar|polybar|i3blocks
                               eine Zeile für diese Statusleiste; mit --watch eine
                               weitere bei jeder Änderung
  status --provider NAME       nur dieser Anbieter: chatgpt, claude oder framer;
                               claude:NAME für eines seiner Konten
  connect chatgpt|claude       mit dem Werkzeug des Anbieters anmelden und verbinden
  connect claude:NAME          dasselbe für ein weiteres Konto
  connect framer               im Fenster bei Framer anmelden und verbinden
  accounts [add|remove|track|untrack …]
                               die Konten jedes Anbieters auflisten oder ändern
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>Optionen:
  --help       diese Hilfe anzeigen
  --version    die Version anzeigen
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>Die Anmeldung bei Framer erfolgt in einem Fenster: diesen Befehl auf dem Desktop ausführen.</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>Einstellungen konnten nicht in %1 gesichert werden</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>unbekannter Anbieter: %1 (%2 wählen)</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>ungültiges Datum: %1 (eine Anzahl Tage wie 7d oder 30d oder ein Datum wie 2026-11-01 angeben)</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>unbekanntes Format: %1 (table, csv oder json wählen)</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import braucht eine Datei</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>unbekannte Option für history: %1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import verträgt keine weitere Option</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>Noch kein Verlauf.
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbraucht</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>Zurückgesetzt</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; nichts wurde importiert</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>Verlauf konnte nicht geschrieben werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>%n Messwert importiert; %1 schon im Verlauf.</numerusform>
            <numerusform>%n Messwerte importiert; %1 schon im Verlauf.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>%n Messwert importiert.</numerusform>
            <numerusform>%n Messwerte importiert.</numerusform>
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
                               die von Quelta erfassten Werte, älteste zuerst
  history --provider NAME[:ACCOUNT]
                               nur dieser Dienst oder eines seiner Konten
  history --limit ID           nur dieses Limit, etwa five_hour oder weekly
  history --since 7d|30d|DATE  nur ab so vielen Tagen zurück oder ab diesem Datum
  history --import FILE        die Messwerte eines CSV- oder JSON-Exports hinzufügen
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>Verlauf ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>Verlauf konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>Im Fenster bei Framer anmelden, mit Google oder dem Link aus Ihrer E-Mail, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>Die Web-Hilfe von Quelta, quelta-web, fehlt neben quelta: Quelta neu installieren.</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>Die Codex-Anmeldung im Browser abschließen, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>Codex von %1 installieren, dann ChatGPT erneut verbinden.</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>Claude Code öffnen, /login ausführen und Ihr Claude-Abo wählen.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>Claude Code von %1 installieren, dann Claude erneut verbinden.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>Ihr Claude-Konto nutzt den Free-Tarif. Claude Code setzt ein kostenpflichtiges Claude-Abo voraus.</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>das laufende Quelta hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>dasselbe Konto wie im Standardordner %1, der behalten wird</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>dasselbe Konto wie %1, das zuerst gefunden wurde und behalten wird</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>das Anwendungsprogramm %1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>Willkommen bei Quelta</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>Ihre Nutzung im Infobereich der Taskleiste.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>Anbieter auswählen</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>Wählen Sie die Dienste, die Quelta verfolgen soll.</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>Weitere Anbieter folgen bald</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>Auf diesem Computer ebenfalls angemeldet</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>Später einrichten</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Quelta öffnen</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Alles bereit</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>Quelta ist im Infobereich bereit.</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>Codex-Anmeldung gefunden</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>Claude-Code-Anmeldung gefunden</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>Framer-Sitzung gefunden</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>Codex-Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>Claude-Code-Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>Framer verbinden</translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation>%1 verbinden</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 verbunden</translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation>%1 nicht verbunden</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>Claude Code ist nicht enthalten</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>Ihre bestehende Codex-Anmeldung nutzen,
um Ihre ChatGPT-Limits anzuzeigen.</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>Ihre bestehende Claude-Code-Anmeldung nutzen,
um Ihre Claude-Limits anzuzeigen.</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>Ihre bestehende Framer-Sitzung nutzen,
um Ihre verbleibenden Agent-Credits anzuzeigen.</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>Melden Sie sich über Codex an, damit Quelta
Ihre ChatGPT-Limits anzeigen kann.</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>Melden Sie sich über Claude Code an, damit Quelta
Ihre Claude-Limits anzeigen kann.</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>Melden Sie sich an, damit Quelta
Ihre verbleibenden Agent-Credits anzeigen kann.</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>Quelta hält Ihre %1-Nutzung
ab jetzt aktuell.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>Codex von %1 installieren, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>Claude Code von %1 installieren, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>Die Verbindung wurde unterbrochen.
Versuchen Sie es erneut, wenn Sie bereit sind.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>Ihr Claude-Konto nutzt den Free-Tarif.
Claude Code erfordert ein kostenpflichtiges Claude-Abo.</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>Dieses Konto verwenden</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>Mit Codex anmelden</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>Mit Claude Code anmelden</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>Warten auf Codex …</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>Warten auf Claude Code …</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>Warten auf Framer …</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbindet …</translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation>Kontingente aktualisieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>1 Std. pausieren</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>Quelta konnte keine Hinweise senden. Prüfen Sie die Mitteilungen in den Systemeinstellungen.</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>Agent-Credits</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>Nutzungslimit</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>Bei diesem Tempo ist es in %1 aufgebraucht, %2 vor dem Zurücksetzen.</translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;T.</translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;T.&#xa0;%2&#xa0;Std.</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;Std.</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;Std.&#xa0;%2&#xa0;Min.</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;Min.</translation>
    </message>
    <message>
        <source>%1 has %2% remaining.</source>
        <translation>%1: noch %2&#xa0;% übrig.</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 ist fast aufgebraucht</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 wird knapp</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>%1-Limit zurückgesetzt</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1: wieder %2&#xa0;% übrig.</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>%1-Nutzung steigt schnell</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>Sie haben in 30 Minuten %1&#xa0;% Ihres Kontingents verbraucht (%2).</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation> Bei diesem Tempo ist es vielleicht aufgebraucht, bevor es in %1 zurückgesetzt wird.</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>%1-Nutzung liegt über dem Soll</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>Sie haben %1&#xa0;% verbraucht (%2), noch %3 verbleiben. Bei diesem Tempo ist es in etwa %4 aufgebraucht.</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 getrennt</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>Verbinden Sie %1 erneut, damit Quelta die Nutzung aktuell hält.</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>Quelta %1 ist verfügbar</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>Quelta ist aktuell</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>Updates nicht eingerichtet</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>Laden Sie sie von ihrer Seite und installieren Sie sie über diese Version.</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>Dies ist die neueste Version von Quelta.</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>Dieser Quelta-Build hat keinen Update-Feed.</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>Der Update-Feed war nicht lesbar. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Verlauf anzeigen …</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>Quelta beenden</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Quelta-Einstellungen</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>Ihr Magic Link wird geöffnet …</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>Quelta schließt die Anmeldung in diesem Fenster ab.</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer verbunden</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>Sie können dieses Fenster schließen und Ihre Kontingente aktualisieren.</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>Dieser Link hat nicht funktioniert</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>Per E-Mail?</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>Öffnen Sie die E-Mail von Framer. Klicken Sie mit rechts auf „Open Framer“, wählen Sie „Link kopieren“ und klicken Sie dann auf „Link einfügen“.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>Wählen Sie unten Google oder E-Mail.</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>Link einfügen</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>Kopieren Sie den Framer-Anmeldelink aus Ihrer E-Mail und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>Framer konnte diesen Anmeldelink nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>what is left, then when it resets</comment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>lowercase</source>
        <comment>a limit&apos;s name inside a sentence: lowercase, or keep</comment>
        <translation>keep</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <comment>weekday, day, month and time</comment>
        <translation>ddd, d. MMM, HH:mm</translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation>Aufgebraucht am %1</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>Aufgebraucht am %1 · Reset in %2</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>Aufgebraucht am %1 · Reset nach %2</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>%1 % in %2 genutzt; letzte Woche zu diesem Zeitpunkt %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>%1 % in %2 genutzt; gestern zu diesem Zeitpunkt %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>%1 % in %2 genutzt; im letzten Zeitraum zu diesem Zeitpunkt %3 %</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Used %1 % in %2</source>
        <translation>%1 % in %2 genutzt</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>Quelta-Verlauf</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Letzter %n Tag</numerusform>
            <numerusform>Letzte %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>Tageshöchstwert</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>Keine Daten in diesem Zeitraum</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>Am höchsten: %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>Tageshöchstwert</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>Für dieses Konto gibt es noch keinen Verlauf.</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>Spitze %1 % an %n Tag · jetzt %2 %</numerusform>
            <numerusform>Spitze %1 % in den letzten %n Tagen · jetzt %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>Spitze %1 % an %n Tag</numerusform>
            <numerusform>Spitze %1 % in den letzten %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>In diesem Zeitraum wurde kein Limit aufgebraucht.</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>Und %n früherer.</numerusform>
            <numerusform>Und %n frühere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>Aufgebraucht</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>ddd, d. MMM</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: keine Daten</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1: Spitze %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>Dieser Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>Dieser Ordner enthält keine %1-Anmeldung. Melden Sie sich dort zuerst mit %1 an.</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>Benennen Sie das Konto mit Buchstaben, Ziffern, „-“, „_“ oder „.“.</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>Ein Konto namens „%1“ existiert bereits. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>Dieser Ordner kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>Konto hinzufügen …</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>Name, etwa arbeit</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>Wählen Sie den Ordner, über den das Konto angemeldet ist.</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>Hinzugefügt · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>Gefunden · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>%1 in Quelta zeigen</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>Keine weiteren Konten gefunden. Claude-Code-Ordner wie ~/.claude-work und Codex-Ordner wie ~/.codex-work werden automatisch gefunden.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>5-Stunden-Limit</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>Wochenlimit (alle Modelle)</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>Wochenlimit (Fable 5)</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>Zugangsdaten bleiben beim jeweiligen Anbieter.</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>Claude Code erfordert ein kostenpflichtiges Claude-Abo.</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>Nutzungslimit</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>Wählen Sie, welche Kontingente Quelta zeigt. Die Daten bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>Ordner des Kontos auswählen</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>Weitere Claude-Code- und Codex-Ordner, jeweils mit eigenem Konto angemeldet.</translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation>Nutzungshinweise erlauben</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation>Nutzungshinweise</translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation>Nutzungstempo</translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation>Warnen, wenn die Nutzung schnell steigt oder vor dem Reset ausgehen könnte.</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>Knappes Kontingent</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>Einmal bei 25 % und erneut bei 10 % Rest benachrichtigen.</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>Limit-Resets</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>Benachrichtigen, wenn ein Kontingent wieder voll ist.</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>Verbindungsabbrüche</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>Benachrichtigen, wenn ein aktivierter Anbieter die Verbindung verliert.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Mitteilungen</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>Ein dezenter Hinweis, bevor ein Kontingent zum Problem wird.</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>Kontingent in der Leiste zeigen</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>Kontingent in der Leiste</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>Zeigt das knappste oder das gewählte Kontingent neben dem Symbol.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>Knappstes Kontingent</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>Quelta bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>Quelta bei der Anmeldung automatisch öffnen.</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>Anonyme Analysedaten teilen</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>Anonyme Analysedaten teilen</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>Teilt Einrichtung, App-Aktivität und Verbindungsqualität. Anbieternamen, Guthaben und Kontodaten bleiben privat.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>Formular öffnen</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>Fehler melden, Funktion wünschen oder Anbieter vorschlagen.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>Kostenlos · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>Verlauf behalten</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 Tage</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365 Tage</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Wie lange Quelta frühere Werte auf diesem Computer behält.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>Nutzungsverlauf</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>Jedes Limit der letzten Tage, Tageshöchstwerte und aufgebrauchte Zeiträume.</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>Verlauf löschen …</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>Alle von Quelta erfassten Werte vergessen.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>Gesamten Verlauf löschen?</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>Quelta vergisst alle erfassten Werte. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>Verlauf konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>Die Verlaufsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>Anmeldung …</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>Quelta prüft nur aktivierte Anbieter und speichert den Verlauf auf diesem Computer.</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>Mitteilungen sind in den Desktop-Einstellungen deaktiviert.</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>Mitteilungsbanner sind in den Desktop-Einstellungen ausgeschaltet.</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>Quelta beim Anmelden starten lassen</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>Quelta konnte sich nicht zu den Programmen hinzufügen, die bei der Anmeldung starten. Prüfen Sie, ob Ihr Autostart-Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1 konnte keine Verbindung herstellen</translation>
    </message>
</context>
</TS>
