<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1 checks again in %nm</numerusform>
            <numerusform>%1 checks again in %nm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1 checks again in %nh</numerusform>
            <numerusform>%1 checks again in %nh</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>Updated %nm ago</numerusform>
            <numerusform>Updated %nm ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>Updated %nh ago</numerusform>
            <numerusform>Updated %nh ago</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No active session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>Resets in %nm</numerusform>
            <numerusform>Resets in %nm</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>Imported %n sample; %1 already in the history.</numerusform>
            <numerusform>Imported %n samples; %1 already in the history.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>Imported %n sample.</numerusform>
            <numerusform>Imported %n samples.</numerusform>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2% remaining.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>what is left, then when it resets</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowercase</source>
        <comment>a limit&apos;s name inside a sentence: lowercase, or keep</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <comment>weekday, day, month and time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Last %n day</numerusform>
            <numerusform>Last %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>Peak %1 % in the last %n day · now %2 %</numerusform>
            <numerusform>Peak %1 % in the last %n days · now %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>Peak %1 % in the last %n day</numerusform>
            <numerusform>Peak %1 % in the last %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>And %n earlier.</numerusform>
            <numerusform>And %n earlier.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Providers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>365 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
