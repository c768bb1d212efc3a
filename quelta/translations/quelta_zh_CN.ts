<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>5 小时限额不可用</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>每周限额不可用</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Fable 5 限额不可用</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>尚未使用</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>重置时间未知</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>Claude Free 不包含 Claude Code</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>正在检查…</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>需要连接</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>暂时受到频率限制</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>打开 Claude Code 以续期访问权限</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>额度不可用</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1 将在 %n 分钟后重新检查</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1 将在 %n 小时后重新检查</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>正在更新…</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>无法保存设置</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>无法保存历史记录</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>刷新未完成 · 请重试</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>正在检查额度</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>尚未更新</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>刚刚更新</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>%n 分钟前更新</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>%n 小时前更新</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>请登录 Claude</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>请使用你的 Claude 订阅登录</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>请重新连接你的 Claude 订阅</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>用量不可用</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>没有活动会话</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>已连接 · 尚未报告限额</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>已连接 · 重置时间未知</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>%1重置</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>%1&#xa0;天&#xa0;%2&#xa0;小时后重置</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>%1&#xa0;小时&#xa0;%2&#xa0;分钟后重置</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>%n 分钟后重置</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>跟踪中</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>可添加</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(网页会话)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(无身份)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>已略过：%1：%2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add 需要一个提供方和一个文件夹</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>未知的提供方：%1（请选择 claude 或 chatgpt）</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>文件夹不存在：%1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>%1 中没有 %2 的登录信息</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>请用 --name 为账户指定由字母、数字、“-”、“_”或“.”组成的名称</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>已存在同名账户：请用 --name 另选一个名称</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>已添加 %1。使用以下命令跟踪：quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>没有名为 %1 的已添加账户：请查看 quelta accounts</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1 是在其文件夹中发现的，并非手动添加：请改用 untrack</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>已移除 %1。</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1 是最后一个正在跟踪的账户</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>正在跟踪 %1。</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>已停止跟踪 %1。</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>用法： quelta accounts                 列出账户、其文件夹以及已登录的身份
    quelta accounts add claude|chatgpt FOLDER [--name NAME]
    quelta accounts remove NAME     移除已添加的文件夹
    quelta accounts track|untrack NAME
NAME 为账户名称；若两个账户同名，请使用 claude:NAME 或 chatgpt:NAME。
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>未知的 accounts 命令：%1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1 需要一个账户名称</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>没有名为 %1 的账户：请查看 quelta accounts</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>请在浏览器中完成登录</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>无法连接 · 请重试</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>显示上次更新</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>剩余 %1 点数</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>5 小时限额</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>每周限额</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>每日限额</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>额度不可用</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>剩余百分之 %1</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>已使用百分之 %1</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>未知的格式：%1（请选择 %2）</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>未知的提供方：%1（请选择 %2，或以 claude:NAME 指定一个账户）</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>status 的未知选项：%1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format 和 --json 不能同时使用</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>正在登录 %1…</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1 已连接。</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>%1 无法连接。</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>无法写入输出：%1</translation>
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
        <translation>用法：quelta &lt;命令&gt; [选项]

命令：
  status [--json] [--cached]   刷新并显示每项额度的剩余量
                               （--cached：不加载，显示上次的数值）
  status --watch               立即输出一行 JSON，之后每次变化再输出一行
  status --format waybar|polybar|i3blocks
                               为该状态栏输出一行；配合 --watch，
                               每次变化再输出一行
  status --provider NAME       仅该提供方：chatgpt、claude 或 framer；
                               用 claude:NAME 指定其中一个账户
  connect chatgpt|claude       用提供方的工具登录并连接
  connect claude:NAME          对另一个账户执行相同操作
  connect framer               在 Framer 窗口中登录并连接
  accounts [add|remove|track|untrack …]
                               列出或更改各提供方的账户
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>选项：
  --help       显示此帮助
  --version    显示版本
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>Framer 需要在窗口中登录：请在桌面环境中运行此命令。</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>未知的命令：%1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>无法将设置保存到 %1</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>未知的提供方：%1（请选择 %2）</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>日期无效：%1（请使用 7d 或 30d 这样的天数，或 2026-11-01 这样的日期）</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>未知的格式：%1（请选择 table、csv 或 json）</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import 需要一个文件</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>history 的未知选项：%1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import 不能与其他选项一起使用</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>暂无历史记录。
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>提供方</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限额</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>已用</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1，第 %2 行</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1：%2；未导入任何内容</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>无法写入历史记录：%1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>已导入 %n 个样本；%1 个已在历史记录中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>已导入 %n 个样本。</numerusform>
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
                               Quelta 记录的数值，按时间从旧到新
  history --provider NAME[:ACCOUNT]
                               仅该服务，或其中一个账户
  history --limit ID           仅该限额，例如 five_hour 或 weekly
  history --since 7d|30d|DATE  仅从若干天前或该日期起
  history --import FILE        添加 CSV 或 JSON 导出文件中的样本
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>历史记录不可用：%1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>无法读取历史记录：%1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>请在窗口中通过 Google 或邮件中的链接登录 Framer，然后重试。</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>quelta 旁缺少 Quelta 的网页助手 quelta-web：请重新安装 Quelta。</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>请在浏览器中完成 Codex 登录，然后重试。</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>请从 %1 安装 Codex，然后重新连接 ChatGPT。</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>打开 Claude Code，运行 /login，然后选择你的 Claude 订阅。</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>请从 %1 安装 Claude Code，然后重新连接 Claude。</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>你的 Claude 账户使用的是 Free 方案。Claude Code 需要付费的 Claude 订阅。</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>正在运行的 Quelta 没有响应：%1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>与默认文件夹 %1 中的账户相同，保留默认文件夹</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>与先找到的 %1 中的账户相同，保留 %1</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>无法启动应用程序 %1：%2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>欢迎使用 Quelta</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>在系统托盘中查看用量。</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>开始使用</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>选择服务</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>选择要让 Quelta 跟踪的服务。</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>更多服务即将推出</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>此电脑上也已登录</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>稍后设置</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>打开 Quelta</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>一切就绪</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>Quelta 已在系统托盘中就绪。</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>已找到 Codex 登录</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>已找到 Claude Code 登录</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>已找到 Framer 会话</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>需要登录 Codex</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>需要登录 Claude Code</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>连接 Framer</translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation>连接 %1</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 已连接</translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation>无法连接 %1</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>不包含 Claude Code</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>使用现有的 Codex 登录
显示你的 ChatGPT 用量限制。</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>使用现有的 Claude Code 登录
显示你的 Claude 用量限制。</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>使用现有的 Framer 会话
显示剩余的智能体点数。</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>通过 Codex 登录，Quelta 即可
显示你的 ChatGPT 用量限制。</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>通过 Claude Code 登录，Quelta 即可
显示你的 Claude 用量限制。</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>登录后，Quelta 即可
显示剩余的智能体点数。</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>Quelta 现在可以随时更新
你的 %1 用量。</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>请从 %1 安装 Codex，然后重试。</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>请从 %1 安装 Claude Code，然后重试。</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>连接被中断。
准备好后请重试。</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>你的 Claude 账户为 Free 套餐。
Claude Code 需要付费的 Claude 订阅。</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>使用此账户</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>使用 Codex 登录</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>使用 Claude Code 登录</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>正在等待 Codex…</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>正在等待 Claude Code…</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>正在等待 Framer…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation>刷新额度</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>1 小时后提醒</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>Quelta 无法发送提醒。请在系统设置中检查通知。</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>智能体点数</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>用量限额</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>按此速度将在 %1 后用完，比重置早 %2。</translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;天</translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;天&#xa0;%2&#xa0;小时</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;小时</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;小时&#xa0;%2&#xa0;分钟</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;分钟</translation>
    </message>
    <message>
        <source>%1 has %2% remaining.</source>
        <translation>%1 还剩 %2%。</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 即将用完</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 余量不足</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>%1 限额已重置</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1 已恢复到剩余 %2%。</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>%1 用量快速上升</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>你在 30 分钟内用掉了%2的 %1%。</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation>按此速度，可能会在 %1 后重置之前用完。</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>%1 用量超出预期节奏</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>你已用掉%2的 %1%，距重置还有 %3。按此速度，可能约 %4 后用完。</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 已断开连接</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>重新连接 %1，以便 Quelta 持续更新其用量。</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>Quelta %1 现已推出</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>未设置更新</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>无法检查更新</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>请从其页面下载，并覆盖安装当前版本。</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>这是 Quelta 的最新版本。</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>此 Quelta 版本没有更新源。</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>无法读取更新源。请稍后重试。</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>显示历史记录…</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>退出 Quelta</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Quelta 设置</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>正在打开你的登录链接…</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>Quelta 正在此窗口中完成登录。</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer 已连接</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>你可以关闭此窗口并刷新额度。</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>该链接无效</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>使用邮箱？</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>打开 Framer 的邮件。右键点击 Open Framer，选择“复制链接”，然后点击“粘贴链接”。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>请在下方选择 Google 或邮箱。</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>粘贴链接</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>请从邮件中复制 Framer 登录链接，然后重试。</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>Framer 无法打开该登录链接。</translation>
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
        <translation>M月d日 ddd HH:mm</translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation>%1 用尽</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>%1 用尽 · %2 后重置</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>%1 用尽 · %2 后已重置</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>%2内已用 %1 %；上周此时为 %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>%2内已用 %1 %；昨天此时为 %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>%2内已用 %1 %；上一周期此时为 %3 %</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Used %1 % in %2</source>
        <translation>%2内已用 %1 %</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>Quelta 历史记录</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>时段</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>最近 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>每日峰值用量</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>此时段无记录</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>最高: %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>每日峰值</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>此账户暂无历史记录。</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>最近 %n 天峰值 %1 % · 当前 %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>最近 %n 天峰值 %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限额</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>此时段内没有限额用尽。</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>另有 %n 条更早的记录。</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>已用尽</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>M月d日 ddd</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1：无记录</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1：峰值 %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>该文件夹不存在。</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>该文件夹中没有 %1 登录信息。请先在其中登录 %1。</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>账户名称只能包含字母、数字、“-”、“_”或“.”。</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>名为“%1”的账户已存在。请换一个名称。</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>无法添加该文件夹。</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>添加账户…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>名称，例如 work</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>账户名称</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>请选择该账户登录时使用的文件夹。</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>已添加 · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>已发现 · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>移除 %1</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>在 Quelta 中显示 %1</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>未找到其他账户。~/.claude-work 等 Claude Code 文件夹和 ~/.codex-work 等 Codex 文件夹会被自动找到。</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>检查中</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>5 小时限额</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>每周限额（所有模型）</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>每周限额（Fable 5）</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>凭据保留在各提供方处。</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>Claude Code 需要付费的 Claude 订阅。</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>用量限额</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>提供方</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>选择在 Quelta 中显示哪些额度。数据保留在这台电脑上。</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>选择账户的文件夹</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>其他 Claude Code 和 Codex 文件夹，各自登录自己的账户。</translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation>允许用量提醒</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation>用量提醒</translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation>用量速度</translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation>用量快速上升或可能在重置前用尽时提醒。</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>额度不足</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>剩余 25% 时提醒一次，剩余 10% 时再提醒一次。</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>限额重置</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>额度恢复满额时通知我。</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>连接断开</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>已启用的提供方断开连接时通知我。</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>在额度成为问题之前悄悄提醒你。</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>在面板中显示额度</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>面板中的额度</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>在托盘图标旁显示最紧张的额度或你关注的额度。</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>关注</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>最紧张的额度</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>登录时启动 Quelta</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>登录时自动打开 Quelta。</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>共享匿名分析数据</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>共享匿名分析数据</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>共享设置、应用活动和连接可靠性。提供方名称、余额和账户详情保持私密。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>打开表单</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>报告错误、请求功能或推荐提供方。</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>免费 · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>保留历史记录</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 天</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 天</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365 天</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>永久</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Quelta 在这台电脑上保留过往数据的时长。</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>用量历史</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>最近几天的各项限额、每日峰值及已用尽的周期。</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>清除历史记录…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>清除历史记录</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>删除 Quelta 记录的所有数据。</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>清除全部历史记录？</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>Quelta 将删除记录的所有数据。此操作无法撤销。</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>无法清除历史记录</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>无法写入历史记录文件。</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>正在登录…</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>Quelta 只检查已启用的提供方，历史记录保存在这台电脑上。</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>桌面设置中已停用通知。</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>桌面设置中已关闭通知横幅。</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>允许 Quelta 在登录时启动</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>Quelta 无法将自己添加到登录时启动的程序中。请检查自动启动文件夹是否可写。</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1 无法连接</translation>
    </message>
</context>
</TS>
