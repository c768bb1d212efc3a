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
    <message>
        <source>ddd d MMM, HH:mm</source>
        <comment>weekday, day, month and time</comment>
        <translation>M月d日(ddd) HH:mm</translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation>%1に使い切り</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>%1に使い切り · %2後にリセット</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>%1に使い切り · %2後にリセット済み</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>%2で%1 %使用。先週の同時点では%3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>%2で%1 %使用。昨日の同時点では%3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>%2で%1 %使用。前回の期間の同時点では%3 %</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n 時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Used %1 % in %2</source>
        <translation>%2で%1 %使用</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>Quelta 履歴</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期間</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>過去%n日間</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>日ごとの最大使用率</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>この期間の記録はありません</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>最大: %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>日ごとの最大</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>このアカウントの履歴はまだありません。</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>過去%n日間の最大 %1 % · 現在 %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>過去%n日間の最大 %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>この期間に使い切った上限はありません。</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>ほか以前に%n件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>使い切り</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>M月d日(ddd)</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: 記録なし</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1: 最大 %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>そのフォルダは存在しません。</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>%1 のサインインがありません。先にそこでサインインしてください。</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>アカウント名には英字、数字、「-」「_」「.」を使用してください。</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>「%1」という名前のアカウントはすでにあります。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>そのフォルダは追加できません。</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>アカウントを追加…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>名前(例: work)</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>アカウント名</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>アカウントがサインインしているフォルダを選んでください。</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>追加済み · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>検出 · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>Quelta に %1 を表示</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>ほかのアカウントは見つかりません。~/.claude-work のような Claude Code のフォルダや ~/.codex-work のような Codex のフォルダは自動的に見つかります。</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>確認中</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>利用不可</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>5時間の上限</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>週間上限(全モデル)</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>週間上限(Fable 5)</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>認証情報は各プロバイダに保管されます。</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>Claude Code には有料の Claude サブスクリプションが必要です。</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>使用上限</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>プロバイダ</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>Quelta に表示する利用枠を選びます。データはこのコンピュータに保存されます。</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>アカウントのフォルダを選択</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>ほかの Claude Code と Codex のフォルダ。それぞれ別のアカウントでサインインしています。</translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation>使用状況の通知を許可</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation>使用状況の通知</translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation>使用ペース</translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation>使用量が急増したときや、リセット前に使い切りそうなときに警告します。</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>残りわずか</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>残り25%で1回、10%でもう1回通知します。</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>上限のリセット</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>利用枠が満タンに戻ったら知らせます。</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>接続切れ</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>有効なプロバイダの接続が切れたら知らせます。</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>利用枠が問題になる前に、さりげなくお知らせします。</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>パネルに利用枠を表示</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>パネルの利用枠</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>最も残りの少ない利用枠、または選んだ利用枠をトレイアイコンの横に表示します。</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>表示する項目</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>最も少ない利用枠</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>ログイン時に Quelta を起動</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>ログインすると Quelta が自動的に開きます。</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>匿名の分析データを共有</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>匿名の分析データを共有</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>設定、アプリの利用状況、接続の安定性を共有します。プロバイダ名、残高、アカウント情報は共有されません。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>フォームを開く</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>不具合の報告、機能の要望、プロバイダの提案ができます。</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>無料 · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>履歴の保存期間</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30日</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90日</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365日</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>無期限</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Quelta が過去のデータをこのコンピュータに保存する期間です。</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>使用履歴</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>直近の各上限の推移、日ごとの最大、使い切った期間を表示します。</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>履歴を消去…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>Quelta が記録したすべてのデータを消去します。</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>すべての履歴を消去しますか?</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>Quelta は記録したすべてのデータを消去します。この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>履歴を消去できませんでした</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>履歴ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>サインイン中…</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>Quelta は有効なプロバイダだけを確認し、履歴はこのコンピュータに保存します。</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>デスクトップの設定で通知が無効になっています。</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>デスクトップの設定で通知バナーがオフになっています。</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>ログイン時の Quelta の起動を許可</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>Quelta をログイン時に起動するプログラムに追加できませんでした。自動起動フォルダに書き込めるか確認してください。</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1 に接続できませんでした</translation>
    </message>
</context>
</TS>
