<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>5時間制限を取得できません</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>週間制限を取得できません</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Fable 5 の制限を取得できません</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>まだ使用していません</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>リセット時刻は不明です</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>Claude Free には Claude Code が含まれていません</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>確認中…</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>接続が必要です</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>一時的に制限されています</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>アクセスを更新するには Claude Code を開いてください</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>利用枠を取得できません</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1 は %n 分後に再確認します</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1 は %n 時間後に再確認します</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>更新中…</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>設定を保存できませんでした</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>履歴を保存できませんでした</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>更新が完了しませんでした · もう一度お試しください</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>利用枠を確認中</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>まだ更新されていません</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>たった今更新</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>%n 分前に更新</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>%n 時間前に更新</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>Claude にサインインしてください</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>Claude のサブスクリプションでサインインしてください</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>Claude のサブスクリプションを再接続してください</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>使用状況を取得できません</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>アクティブなセッションはありません</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>接続済み · 制限はまだ報告されていません</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>接続済み · リセット時刻は不明です</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>%1にリセット</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>%1日%2時間後にリセット</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>%1時間%2分後にリセット</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>%n 分後にリセット</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>追跡中</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>候補</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(Web セッション)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(ID なし)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>除外: %1: %2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add にはプロバイダとフォルダが必要です</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>不明なプロバイダ: %1 (claude または chatgpt を指定してください)</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>フォルダがありません: %1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>%1 には %2 のサインイン情報がありません</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>--name でアカウントに英字、数字、「-」「_」「.」からなる名前を付けてください</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>その名前のアカウントは既にあります: --name で別の名前を指定してください</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>%1 を追加しました。追跡するには: quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>%1 という名前の追加済みアカウントはありません: quelta accounts を参照してください</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1 はフォルダから見つかったもので、追加されたものではありません: 代わりに untrack してください</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1 は最後の追跡中アカウントです</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>%1 を追跡しています。</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>%1 の追跡を停止しました。</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>使い方: quelta accounts                 アカウント、そのフォルダ、サインイン中のユーザーを一覧表示
     quelta accounts add claude|chatgpt FOLDER [--name NAME]
     quelta accounts remove NAME     追加したフォルダを削除
     quelta accounts track|untrack NAME
NAME はアカウント名です。2 つのアカウントで名前が同じ場合は claude:NAME または chatgpt:NAME を使います。
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>不明な accounts コマンド: %1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1 にはアカウント名を 1 つ指定してください</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>%1 という名前のアカウントはありません: quelta accounts を参照してください</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>ブラウザでサインインを完了してください</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>接続できませんでした · もう一度お試しください</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>前回の更新を表示中</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>残り %1 クレジット</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>5時間制限</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>週間制限</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>1日の制限</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>利用枠を取得できません</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>残り %1 パーセント</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>%1 パーセント使用済み</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>不明な形式: %1 (%2 から選んでください)</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>不明なプロバイダ: %1 (%2、またはアカウントを claude:NAME の形で指定してください)</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>status の不明なオプション: %1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format と --json は同時に指定できません</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>%1 にサインインしています…</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1 に接続しました。</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>%1 に接続できませんでした。</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>出力を書き込めません</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>出力を書き込めません: %1</translation>
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
        <translation>使い方: quelta &lt;コマンド&gt; [オプション]

コマンド:
  status [--json] [--cached]   更新して、各利用枠の残りを表示
                               (--cached: 読み込まずに前回の値を表示)
  status --watch               今すぐ JSON を 1 行出力し、変更のたびにもう 1 行
  status --format waybar|polybar|i3blocks
                               そのステータスバー用に 1 行出力。--watch 付きでは
                               変更のたびにもう 1 行
  status --provider NAME       そのプロバイダのみ: chatgpt、claude、framer。
                               アカウントを指定するには claude:NAME
  connect chatgpt|claude       提供元のツールでサインインして接続
  connect claude:NAME          別のアカウントで同じ操作
  connect framer               ウインドウで Framer にサインインして接続
  accounts [add|remove|track|untrack …]
                               各プロバイダのアカウントを一覧表示または変更
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>オプション:
  --help       このヘルプを表示
  --version    バージョンを表示
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>Framer へのサインインはウインドウで行います: デスクトップでこのコマンドを実行してください。</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>不明なコマンド: %1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>設定を %1 に保存できませんでした</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>不明なプロバイダ: %1 (%2 から選んでください)</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>不正な日付: %1 (7d や 30d のような日数、または 2026-11-01 のような日付を指定してください)</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>不明な形式: %1 (table、csv、json のいずれかを指定してください)</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import にはファイルが必要です</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>history の不明なオプション: %1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import は他のオプションと併用できません</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>履歴はまだありません。
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>プロバイダ</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>制限</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>使用率</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1、%2 行目</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2。何もインポートされませんでした</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>履歴を書き込めませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>%n 件のサンプルをインポートしました。%1 件は既に履歴にあります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>%n 件のサンプルをインポートしました。</numerusform>
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
                               Quelta が記録した値 (古い順)
  history --provider NAME[:ACCOUNT]
                               そのサービス、またはそのアカウントの 1 つのみ
  history --limit ID           その制限のみ (five_hour、weekly など)
  history --since 7d|30d|DATE  その日数前から、またはその日付以降のみ
  history --import FILE        CSV または JSON のエクスポートからサンプルを追加
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>履歴を利用できません: %1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>履歴を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>ウインドウで Google またはメールのリンクを使って Framer にサインインしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>Quelta の Web ヘルパー quelta-web が quelta と同じ場所にありません: Quelta を再インストールしてください。</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>ブラウザで Codex のサインインを完了してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>%1 から Codex をインストールしてから、ChatGPT をもう一度接続してください。</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>Claude Code を開いて /login を実行し、Claude のサブスクリプションを選んでください。</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>%1 から Claude Code をインストールしてから、Claude をもう一度接続してください。</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>お使いの Claude アカウントは Free プランです。Claude Code を使うには有料の Claude サブスクリプションが必要です。</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>実行中の Quelta から応答がありません: %1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>既定のフォルダ %1 と同じアカウントのため、そちらを残します</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>先に見つかった %1 と同じアカウントのため、そちらを残します</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>アプリケーションプログラム %1 を起動できません: %2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>Quelta へようこそ</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>使用状況をシステムトレイに表示します。</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>はじめる</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>サービスを選択</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>Quelta で追跡するサービスを選んでください。</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>対応サービスは順次追加予定</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>このコンピュータでもサインイン済み</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>あとで設定</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Quelta を開く</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>準備が整いました</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>Quelta はシステムトレイで使えます。</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>Codex のサインインが見つかりました</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>Claude Code のサインインが見つかりました</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>Framer のセッションが見つかりました</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>Codex へのサインインが必要です</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>Claude Code へのサインインが必要です</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>Framer を接続</translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation>%1 を接続</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 を接続しました</translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation>%1 を接続できませんでした</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>Claude Code は含まれていません</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>既存の Codex のサインインを使って
ChatGPT の使用上限を表示します。</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>既存の Claude Code のサインインを使って
Claude の使用上限を表示します。</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>既存の Framer のセッションを使って
残りのエージェントクレジットを表示します。</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>Codex でサインインすると、Quelta で
ChatGPT の使用上限を表示できます。</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>Claude Code でサインインすると、Quelta で
Claude の使用上限を表示できます。</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>サインインすると、Quelta で
残りのエージェントクレジットを表示できます。</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>Quelta で %1 の使用状況を
常に最新に保てるようになりました。</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>%1 から Codex をインストールして、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>%1 から Claude Code をインストールして、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>接続が中断されました。
準備ができたらもう一度お試しください。</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>Claude アカウントは Free プランです。
Claude Code には Claude の有料プランが必要です。</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>このアカウントを使用</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>Codex でサインイン</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>Claude Code でサインイン</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>Codex を待っています…</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>Claude Code を待っています…</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>Framer を待っています…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>ステップ %1/%2</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation>利用枠を更新</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>1時間スヌーズ</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>Quelta は通知を送信できませんでした。システム設定の通知を確認してください。</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>エージェントクレジット</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>使用制限</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>このペースでは %1 後に使い切り、リセットの %2 前になります。</translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation>%1日%2時間</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration</comment>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration</comment>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration</comment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 has %2% remaining.</source>
        <translation>%1の残りは %2% です。</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 の残りがわずかです</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 の残りが少なくなっています</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>%1 の制限がリセットされました</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1の残りが %2% に戻りました。</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>%1 の使用量が急増しています</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>30 分間で%2の %1% を使用しました。</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation>このペースでは、%1 後のリセット前に使い切る可能性があります。</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>%1 の使用ペースが速すぎます</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>%2の %1% を使用し、残り時間は %3 です。このペースでは約 %4 で使い切る可能性があります。</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 の接続が切れました</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>%1 を再接続すると、Quelta で使用状況を最新に保てます。</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>Quelta %1 が利用可能です</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>アップデートが設定されていません</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>ページからダウンロードし、このバージョンに上書きしてインストールしてください。</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>これは Quelta の最新バージョンです。</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>この Quelta ビルドにはアップデートフィードがありません。</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>アップデートフィードを読み込めませんでした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>履歴を表示…</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>Quelta を終了</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Quelta の設定</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>マジックリンクを開いています…</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>Quelta がこのウィンドウでサインインを完了しています。</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer を接続しました</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>このウィンドウを閉じて、利用枠を更新できます。</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>そのリンクは使えませんでした</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>メールを使う場合</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>Framer からのメールを開き、Open Framer を右クリックして「リンクをコピー」を選び、「リンクを貼り付け」をクリックします。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>下で Google かメールを選んでください。</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>リンクを貼り付け</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>メールから Framer のサインインリンクをコピーして、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>Framer はそのサインインリンクを開けませんでした。</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>what is left, then when it resets</comment>
        <translation>%1%2。</translation>
    </message>
    <message>
        <source>lowercase</source>
        <comment>a limit&apos;s name inside a sentence: lowercase, or keep</comment>
        <translation>lowercase</translation>
    </message>
</context>
</TS>
