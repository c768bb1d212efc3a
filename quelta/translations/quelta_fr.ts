<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>Limite sur 5 heures indisponible</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>Limite hebdomadaire indisponible</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Limite Fable 5 indisponible</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>Aucune utilisation pour l’instant</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>Heure de réinitialisation inconnue</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>Claude Free n’inclut pas Claude Code</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>Temporairement limité</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>Ouvrez Claude Code pour renouveler l’accès</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>Quota indisponible</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>Nouvelle vérification de %1 dans %n minute</numerusform>
            <numerusform>Nouvelle vérification de %1 dans %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>Nouvelle vérification de %1 dans %n heure</numerusform>
            <numerusform>Nouvelle vérification de %1 dans %n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>Impossible d’enregistrer les réglages</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>Impossible de conserver l’historique</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>Actualisation incomplète · Réessayez</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>Vérification des quotas</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>Pas encore actualisé</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Actualisé à l’instant</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>Actualisé il y a %n minute</numerusform>
            <numerusform>Actualisé il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>Actualisé il y a %n heure</numerusform>
            <numerusform>Actualisé il y a %n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>Connectez-vous à Claude</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>Connectez-vous avec votre abonnement Claude</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>Reconnectez votre abonnement Claude</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>Utilisation indisponible</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>Aucune session active</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>Connecté · limites pas encore communiquées</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>Connecté · heure de réinitialisation inconnue</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>Réinitialisation le %1</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>d&#xa0;MMM</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>Réinitialisation dans %1&#xa0;j&#xa0;%2&#xa0;h</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>Réinitialisation dans %1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>Réinitialisation dans %n minute</numerusform>
            <numerusform>Réinitialisation dans %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>suivi</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>proposé</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(session web)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(aucune identité)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>écarté : %1 : %2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add attend un fournisseur et un dossier</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>fournisseur inconnu : %1 (choisissez claude ou chatgpt)</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>dossier introuvable : %1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>%1 ne contient aucune connexion %2</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>donnez au compte un nom fait de lettres, de chiffres, « - », « _ » ou « . » avec --name</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>un compte porte déjà ce nom : choisissez-en un autre avec --name</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>%1 ajouté. Pour le suivre : quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>aucun compte ajouté nommé %1 : voir quelta accounts</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1 a été trouvé dans son dossier, pas ajouté : cessez plutôt de le suivre avec untrack</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 supprimé.</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1 est le dernier compte suivi</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>%1 est suivi.</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>%1 n’est plus suivi.</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>Utilisation : quelta accounts                 lister les comptes, leurs dossiers et qui est connecté
              quelta accounts add claude|chatgpt FOLDER [--name NAME]
              quelta accounts remove NAME     oublier un dossier ajouté
              quelta accounts track|untrack NAME
NAME est le nom d’un compte, ou claude:NAME et chatgpt:NAME quand deux comptes le partagent.
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>commande accounts inconnue : %1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1 attend un nom de compte</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>aucun compte nommé %1 : voir quelta accounts</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>Terminez la connexion dans votre navigateur</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>Connexion impossible · Réessayez</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>Dernière mise à jour affichée</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>%1 crédits restants</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>Limite sur 5 heures</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>Limite hebdomadaire</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Limite quotidienne</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>Quota non disponible</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>%1 pour cent restants</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>%1 pour cent utilisés</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>format inconnu : %1 (choisissez %2)</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>fournisseur inconnu : %1 (choisissez %2, ou un compte sous la forme claude:NAME)</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>option inconnue pour status : %1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format et --json ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1 est connecté.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>Impossible de connecter %1.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d’écrire la sortie</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d’écrire la sortie : %1</translation>
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
        <translation>Utilisation : quelta &lt;commande&gt; [options]

Commandes :
  status [--json] [--cached]   actualiser et afficher ce qui reste de chaque quota
                               (--cached : les derniers chiffres, sans charger)
  status --watch               une ligne JSON maintenant, puis une à chaque changement
  status --format waybar|polybar|i3blocks
                               une ligne pour cette barre d’état ; avec --watch, une
                               de plus à chaque changement
  status --provider NAME       seulement ce fournisseur : chatgpt, claude ou framer ;
                               claude:NAME pour l’un de ses comptes
  connect chatgpt|claude       se connecter avec l’outil du fournisseur et le relier
  connect claude:NAME          la même chose pour un autre compte
  connect framer               se connecter à Framer dans sa fenêtre et le relier
  accounts [add|remove|track|untrack …]
                               lister ou modifier les comptes de chaque fournisseur
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>Options :
  --help       afficher cette aide
  --version    afficher la version
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>La connexion à Framer se fait dans une fenêtre : lancez cette commande depuis votre bureau.</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>commande inconnue : %1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>impossible d’enregistrer les réglages dans %1</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>fournisseur inconnu : %1 (choisissez %2)</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>date incorrecte : %1 (indiquez un nombre de jours comme 7d ou 30d, ou une date comme 2026-11-01)</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>format inconnu : %1 (choisissez table, csv ou json)</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import attend un fichier</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>option inconnue pour history : %1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import n’accepte aucune autre option</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>Aucun historique pour l’instant.
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>Réinitialisation</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1 : %2 ; rien n’a été importé</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>impossible d’écrire l’historique : %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>%n relevé importé ; %1 déjà dans l’historique.</numerusform>
            <numerusform>%n relevés importés ; %1 déjà dans l’historique.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>%n relevé importé.</numerusform>
            <numerusform>%n relevés importés.</numerusform>
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
                               les chiffres relevés par Quelta, du plus ancien
  history --provider NAME[:ACCOUNT]
                               seulement ce service, ou l’un de ses comptes
  history --limit ID           seulement cette limite, comme five_hour ou weekly
  history --since 7d|30d|DATE  seulement depuis autant de jours, ou depuis cette date
  history --import FILE        ajouter les relevés d’un export CSV ou JSON
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>l’historique est indisponible : %1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>impossible de lire l’historique : %1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>Connectez-vous à Framer dans la fenêtre, avec Google ou le lien reçu par e-mail, puis réessayez.</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>L’assistant web de Quelta, quelta-web, est absent à côté de quelta : réinstallez Quelta.</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>Terminez la connexion à Codex dans votre navigateur, puis réessayez.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>Installez Codex depuis %1, puis connectez à nouveau ChatGPT.</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>Ouvrez Claude Code, lancez /login et choisissez votre abonnement Claude.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>Installez Claude Code depuis %1, puis connectez à nouveau Claude.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>Votre compte Claude est sur l’offre Free. Claude Code nécessite un abonnement Claude payant.</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>le Quelta en cours d’exécution n’a pas répondu : %1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>le même compte que le dossier par défaut %1, qui est conservé</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>le même compte que %1, trouvé en premier et conservé</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>impossible de lancer le programme de l’application %1 : %2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>Bienvenue dans Quelta</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>Votre utilisation dans la zone de notification.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>Choisissez vos services</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>Sélectionnez les services que Quelta doit suivre.</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>D’autres services bientôt</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>Également connecté sur cet ordinateur</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>Configurer plus tard</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Ouvrir Quelta</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Tout est prêt</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>Quelta est prêt dans la zone de notification.</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>Connexion Codex trouvée</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>Connexion Claude Code trouvée</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>Session Framer trouvée</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>Connexion Codex requise</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>Connexion Claude Code requise</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>Connecter Framer</translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation>Connecter %1</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 connecté</translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation>Impossible de connecter %1</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>Claude Code n’est pas inclus</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>Utilisez votre connexion Codex existante
pour afficher vos limites ChatGPT.</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>Utilisez votre connexion Claude Code existante
pour afficher vos limites Claude.</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>Utilisez votre session Framer existante
pour afficher vos crédits d’agent restants.</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>Connectez-vous via Codex pour que Quelta
affiche vos limites ChatGPT.</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>Connectez-vous via Claude Code pour que Quelta
affiche vos limites Claude.</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>Connectez-vous pour que Quelta
affiche vos crédits d’agent restants.</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>Quelta peut maintenant tenir à jour
votre utilisation de %1.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>Installez Codex depuis %1, puis réessayez.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>Installez Claude Code depuis %1, puis réessayez.</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>La connexion a été interrompue.
Réessayez quand vous serez prêt.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>Votre compte Claude utilise l’offre Free.
Claude Code nécessite un abonnement Claude payant.</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>Utiliser ce compte</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>Se connecter avec Codex</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>Se connecter avec Claude Code</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>En attente de Codex…</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>En attente de Claude Code…</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>En attente de Framer…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation>Actualiser les quotas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>Reporter d’1 h</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>Quelta n’a pas pu envoyer les alertes. Vérifiez les notifications dans les réglages du système.</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>Crédits d’agent</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>Limite d’utilisation</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>À ce rythme, il sera épuisé dans %1, %2 avant sa réinitialisation.</translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;j</translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;j&#xa0;%2&#xa0;h</translation>
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
        <translation>%1 : il reste %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 est presque épuisé</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 commence à manquer</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>Limite %1 réinitialisée</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1 : de nouveau %2&#xa0;% restants.</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>L’utilisation de %1 augmente vite</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>Vous avez utilisé %1&#xa0;% de votre %2 en 30 minutes.</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation> À ce rythme, il pourrait être épuisé avant sa réinitialisation dans %1.</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>L’utilisation de %1 va trop vite</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>Vous avez utilisé %1&#xa0;% de votre %2 et il reste %3. À ce rythme, il pourrait être épuisé dans environ %4.</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 déconnecté</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>Reconnectez %1 pour que Quelta tienne son utilisation à jour.</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>Quelta %1 est disponible</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>Quelta est à jour</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>Mises à jour non configurées</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>Impossible de rechercher les mises à jour</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>Téléchargez-la depuis sa page et installez-la par-dessus celle-ci.</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>Il s’agit de la dernière version de Quelta.</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>Cette version de Quelta n’a pas de flux de mises à jour.</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>Le flux de mises à jour est illisible. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Afficher l’historique…</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>Quitter Quelta</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Réglages de Quelta</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>Ouverture de votre lien magique…</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>Quelta termine la connexion dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer connecté</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>Vous pouvez fermer cette fenêtre et actualiser vos quotas.</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>Ce lien n’a pas fonctionné</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>Par e-mail ?</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>Ouvrez l’e-mail de Framer. Faites un clic droit sur Open Framer, choisissez Copier le lien, puis cliquez sur Coller le lien.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>Choisissez Google ou l’e-mail ci-dessous.</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>Coller le lien</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>Copiez le lien de connexion Framer depuis votre e-mail, puis réessayez.</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>Framer n’a pas pu ouvrir ce lien de connexion.</translation>
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
        <translation>Épuisé le %1</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>Épuisé le %1 · réinitialisation dans %2</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>Épuisé le %1 · réinitialisé %2 plus tard</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>%1 % utilisés en %2 ; %3 % à ce stade la semaine dernière</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>%1 % utilisés en %2 ; %3 % à ce stade hier</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>%1 % utilisés en %2 ; %3 % à ce stade la période précédente</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Used %1 % in %2</source>
        <translation>%1 % utilisés en %2</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>Historique de Quelta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>%n dernier jour</numerusform>
            <numerusform>%n derniers jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>Pic d’utilisation quotidien</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>Aucune donnée sur cette période</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>Maximum : %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>Pic quotidien</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>Pas encore d’historique pour ce compte.</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>Pic de %1 % sur %n jour · maintenant %2 %</numerusform>
            <numerusform>Pic de %1 % sur les %n derniers jours · maintenant %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>Pic de %1 % sur %n jour</numerusform>
            <numerusform>Pic de %1 % sur les %n derniers jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>Aucune limite épuisée sur cette période.</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>Et %n antérieur.</numerusform>
            <numerusform>Et %n antérieurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>Épuisés</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1 : aucune donnée</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1 : pic de %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>Ce dossier n’existe pas.</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>Ce dossier ne contient aucune connexion %1. Connectez-vous d’abord avec %1 dans ce dossier.</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>Nommez le compte avec des lettres, des chiffres, « - », « _ » ou « . ».</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>Un compte nommé « %1 » existe déjà. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>Ce dossier ne peut pas être ajouté.</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>Ajouter un compte…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>Nom, par exemple travail</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>Choisissez le dossier par lequel le compte est connecté.</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>Ajouté · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>Trouvé · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>Afficher %1 dans Quelta</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>Aucun autre compte trouvé. Les dossiers Claude Code comme ~/.claude-work et Codex comme ~/.codex-work sont trouvés automatiquement.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>Limite sur 5 heures</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>Limite hebdo (tous modèles)</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>Limite hebdo (Fable 5)</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>Les identifiants restent chez chaque fournisseur.</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>Claude Code nécessite un abonnement Claude payant.</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>Limite d’utilisation</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>Choisissez les quotas affichés dans Quelta. Les données restent sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>Choisir le dossier du compte</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>D’autres dossiers Claude Code et Codex, chacun connecté à son propre compte.</translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation>Autoriser les alertes d’utilisation</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les réglages</translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation>Alertes d’utilisation</translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation>Rythme d’utilisation</translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation>Avertir si l’utilisation augmente vite ou risque d’être épuisée avant la réinitialisation.</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>Quota faible</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>Alerter une fois à 25 % restants, puis à 10 %.</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>Réinitialisations</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>Me prévenir quand un quota est de nouveau plein.</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>Déconnexions</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>Me prévenir quand un fournisseur activé perd sa connexion.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>Recevez un avertissement discret avant qu’un quota pose problème.</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>Afficher le quota dans le tableau de bord</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>Quota dans le tableau de bord</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>Affiche le quota le plus serré, ou celui que vous suivez, à côté de l’icône.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>Quota le plus serré</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>Lancer Quelta à l’ouverture de session</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>Ouvrir Quelta automatiquement à l’ouverture de session.</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>Partager des statistiques anonymes</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>Partager des statistiques anonymes</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>Partage la configuration, l’activité de l’app et la fiabilité des connexions. Noms des fournisseurs, soldes et détails du compte restent privés.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>Ouvrir le formulaire</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Envoyer un commentaire</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>Signalez un bug, demandez une fonction ou suggérez un fournisseur.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>Gratuit · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>Conserver l’historique</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 jours</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365 jours</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Durée pendant laquelle Quelta garde les anciens chiffres sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>Historique d’utilisation</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>Chaque limite sur les derniers jours, les pics quotidiens et les périodes épuisées.</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>Effacer l’historique…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>Oublier tous les chiffres enregistrés par Quelta.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>Effacer tout l’historique ?</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>Quelta oublie tous les chiffres enregistrés. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>Impossible d’effacer l’historique</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>Impossible d’écrire le fichier d’historique.</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>Quelta ne vérifie que les fournisseurs activés et garde l’historique sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>Les notifications sont désactivées dans les réglages du bureau.</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>Les bannières de notification sont désactivées dans les réglages du bureau.</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>Autoriser Quelta à se lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>Quelta n’a pas pu s’ajouter aux programmes lancés à l’ouverture de session. Vérifiez que votre dossier autostart est accessible en écriture.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1 n’a pas pu se connecter</translation>
    </message>
</context>
</TS>
