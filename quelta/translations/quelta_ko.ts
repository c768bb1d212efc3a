<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>5시간 한도를 확인할 수 없음</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>주간 한도를 확인할 수 없음</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Fable 5 한도를 확인할 수 없음</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>아직 사용하지 않음</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>재설정 시간을 알 수 없음</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>Claude Free에는 Claude Code가 포함되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>확인 중…</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>연결 필요</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>일시적으로 요청이 제한됨</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>액세스를 갱신하려면 Claude Code를 여세요</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>사용량을 확인할 수 없음</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1: %n분 후 다시 확인</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1: %n시간 후 다시 확인</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>업데이트 중…</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>설정을 저장할 수 없음</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>기록을 보관할 수 없음</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>새로 고침 미완료 · 다시 시도하세요</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>사용량 확인 중</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>아직 업데이트되지 않음</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>방금 업데이트됨</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>%n분 전에 업데이트됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>%n시간 전에 업데이트됨</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>Claude에 로그인하세요</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>Claude 구독으로 로그인하세요</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>Claude 구독을 다시 연결하세요</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>사용량 정보를 확인할 수 없음</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>활성 세션 없음</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>연결됨 · 아직 한도가 보고되지 않음</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>연결됨 · 재설정 시간을 알 수 없음</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>%1에 재설정</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>M월&#xa0;d일</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>%1일&#xa0;%2시간 후 재설정</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>%1시간&#xa0;%2분 후 재설정</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>%n분 후 재설정</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>추적 중</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>제안됨</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(웹 세션)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(신원 없음)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>제외됨: %1: %2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add에는 제공자와 폴더가 필요합니다</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>알 수 없는 제공자: %1 (claude 또는 chatgpt 중에서 선택)</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>폴더가 없습니다: %1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>%1에 %2 로그인 정보가 없습니다</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>--name으로 문자, 숫자, &quot;-&quot;, &quot;_&quot;, &quot;.&quot;로 된 계정 이름을 지정하세요</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>같은 이름의 계정이 이미 있습니다: --name으로 다른 이름을 지정하세요</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>%1을(를) 추가했습니다. 추적하려면: quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>%1(이)라는 추가된 계정이 없습니다: quelta accounts를 참고하세요</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1은(는) 폴더에서 발견된 계정이며 추가된 것이 아닙니다: 대신 untrack 하세요</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1을(를) 제거했습니다.</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1은(는) 마지막으로 추적 중인 계정입니다</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>%1을(를) 추적합니다.</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>%1을(를) 더 이상 추적하지 않습니다.</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>사용법: quelta accounts                 계정, 계정 폴더, 로그인한 사용자 나열
     quelta accounts add claude|chatgpt FOLDER [--name NAME]
     quelta accounts remove NAME     추가한 폴더 잊기
     quelta accounts track|untrack NAME
NAME은 계정 이름이며, 두 계정의 이름이 같으면 claude:NAME 또는 chatgpt:NAME을 씁니다.
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>알 수 없는 accounts 명령: %1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1에는 계정 이름 하나가 필요합니다</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>%1(이)라는 계정이 없습니다: quelta accounts를 참고하세요</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>브라우저에서 로그인을 완료하세요</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>연결할 수 없음 · 다시 시도하세요</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>마지막 업데이트 표시 중</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>크레딧 %1 남음</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>5시간 한도</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>주간 한도</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>일일 한도</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>사용량을 확인할 수 없음</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>%1퍼센트 남음</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>%1퍼센트 사용함</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>알 수 없는 형식: %1 (%2 중에서 선택)</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>알 수 없는 제공자: %1 (%2 중에서 선택하거나 claude:NAME 형식으로 계정 지정)</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>status의 알 수 없는 옵션: %1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format과 --json은 함께 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>%1에 로그인하는 중…</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1이(가) 연결되었습니다.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>%1을(를) 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>출력을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>출력을 쓸 수 없습니다: %1</translation>
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
        <translation>사용법: quelta &lt;명령&gt; [옵션]

명령:
  status [--json] [--cached]   새로 고치고 각 사용량의 남은 양을 표시
                               (--cached: 불러오지 않고 마지막 수치 표시)
  status --watch               지금 JSON 한 줄, 이후 변경될 때마다 한 줄
  status --format waybar|polybar|i3blocks
                               해당 상태 표시줄용 한 줄; --watch와 함께 쓰면
                               변경될 때마다 한 줄 더
  status --provider NAME       해당 제공자만: chatgpt, claude 또는 framer;
                               계정 하나는 claude:NAME
  connect chatgpt|claude       제공자의 도구로 로그인하고 연결
  connect claude:NAME          다른 계정에 대해 같은 작업
  connect framer               Framer 창에서 로그인하고 연결
  accounts [add|remove|track|untrack …]
                               각 제공자의 계정을 나열하거나 변경
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>옵션:
  --help       이 도움말 표시
  --version    버전 표시
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>Framer 로그인은 창에서 진행됩니다: 데스크톱에서 이 명령을 실행하세요.</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>알 수 없는 명령: %1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>설정을 %1에 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>알 수 없는 제공자: %1 (%2 중에서 선택)</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>잘못된 날짜: %1 (7d나 30d 같은 일수 또는 2026-11-01 같은 날짜를 사용하세요)</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>알 수 없는 형식: %1 (table, csv, json 중에서 선택)</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import에는 파일이 필요합니다</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>history의 알 수 없는 옵션: %1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import는 다른 옵션과 함께 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>아직 기록이 없습니다.
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>제공자</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>한도</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, %2번째 줄</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; 아무것도 가져오지 않았습니다</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>기록을 쓸 수 없습니다: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>샘플 %n개를 가져왔습니다. %1개는 이미 기록에 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>샘플 %n개를 가져왔습니다.</numerusform>
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
                               Quelta가 기록한 수치, 오래된 순
  history --provider NAME[:ACCOUNT]
                               해당 서비스만, 또는 그 계정 하나만
  history --limit ID           해당 한도만 (예: five_hour, weekly)
  history --since 7d|30d|DATE  그 일수 전부터, 또는 그 날짜부터만
  history --import FILE        CSV 또는 JSON 내보내기의 샘플 추가
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>기록을 사용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>기록을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>창에서 Google 또는 이메일 링크로 Framer에 로그인한 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>quelta 옆에 Quelta의 웹 도우미 quelta-web이 없습니다: Quelta를 다시 설치하세요.</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>브라우저에서 Codex 로그인을 완료한 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>%1에서 Codex를 설치한 뒤 ChatGPT를 다시 연결하세요.</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>Claude Code를 열고 /login을 실행한 뒤 Claude 구독을 선택하세요.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>%1에서 Claude Code를 설치한 뒤 Claude를 다시 연결하세요.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>Claude 계정이 Free 요금제입니다. Claude Code를 사용하려면 유료 Claude 구독이 필요합니다.</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>실행 중인 Quelta가 응답하지 않았습니다: %1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>기본 폴더 %1과(와) 같은 계정이므로 기본 폴더를 유지합니다</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>먼저 발견된 %1과(와) 같은 계정이므로 %1을(를) 유지합니다</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>애플리케이션 프로그램 %1을(를) 시작할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>Quelta에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>시스템 트레이에서 사용량을 확인하세요.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>시작하기</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>서비스 선택</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>Quelta에서 추적할 서비스를 선택하세요.</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>더 많은 서비스가 곧 추가됩니다</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>이 컴퓨터에서도 로그인됨</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>나중에 설정</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Quelta 열기</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>준비 완료</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>Quelta가 시스템 트레이에서 준비되었습니다.</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>Codex 로그인을 찾았습니다</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>Claude Code 로그인을 찾았습니다</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>Framer 세션을 찾았습니다</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>Codex 로그인 필요</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>Claude Code 로그인 필요</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>Framer 연결</translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation>%1 연결</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 연결됨</translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation>%1을(를) 연결할 수 없음</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>Claude Code가 포함되어 있지 않음</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>기존 Codex 로그인을 사용해
ChatGPT 사용 한도를 표시합니다.</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>기존 Claude Code 로그인을 사용해
Claude 사용 한도를 표시합니다.</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>기존 Framer 세션을 사용해
남은 에이전트 크레딧을 표시합니다.</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>Codex로 로그인하면 Quelta에서
ChatGPT 사용 한도를 표시할 수 있습니다.</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>Claude Code로 로그인하면 Quelta에서
Claude 사용 한도를 표시할 수 있습니다.</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>로그인하면 Quelta에서
남은 에이전트 크레딧을 표시할 수 있습니다.</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>이제 Quelta가 %1 사용량을
최신 상태로 유지합니다.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>%1에서 Codex를 설치한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>%1에서 Claude Code를 설치한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>연결이 중단되었습니다.
준비되면 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>Claude 계정이 Free 요금제입니다.
Claude Code를 사용하려면 유료 Claude 구독이 필요합니다.</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>이 계정 사용</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>Codex로 로그인</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>Claude Code로 로그인</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>Codex 기다리는 중…</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>Claude Code 기다리는 중…</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>Framer 기다리는 중…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>%2단계 중 %1단계</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>연결 중</translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation>사용량 새로 고침</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>1시간 후 다시 알림</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>Quelta에서 알림을 보낼 수 없습니다. 시스템 설정에서 알림을 확인하세요.</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>에이전트 크레딧</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>사용 한도</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>이 속도라면 %1 후 소진되며, 재설정보다 %2 빠릅니다.</translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation>%1일</translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation>%1일&#xa0;%2시간</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration</comment>
        <translation>%1시간</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration</comment>
        <translation>%1시간&#xa0;%2분</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration</comment>
        <translation>%1분</translation>
    </message>
    <message>
        <source>%1 has %2% remaining.</source>
        <translation>%1이(가) %2% 남았습니다.</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 거의 소진됨</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 부족</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>%1 한도 재설정됨</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1이(가) 다시 %2% 남았습니다.</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>%1 사용량 급증</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>30분 만에 %2의 %1%를 사용했습니다.</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation> 이 속도라면 %1 후 재설정되기 전에 소진될 수 있습니다.</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>%1 사용 속도가 빠름</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>%2의 %1%를 사용했고 %3 남았습니다. 이 속도라면 약 %4 후 소진될 수 있습니다.</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 연결 끊김</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>Quelta에서 사용량을 최신 상태로 유지하려면 %1을(를) 다시 연결하세요.</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>Quelta %1 사용 가능</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>최신 버전입니다</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>업데이트가 설정되지 않음</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>업데이트를 확인할 수 없음</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>페이지에서 다운로드하여 현재 버전 위에 설치하세요.</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>최신 버전의 Quelta입니다.</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>이 Quelta 빌드에는 업데이트 피드가 없습니다.</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>업데이트 피드를 읽을 수 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>기록 보기…</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>Quelta 종료</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Quelta 설정</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>매직 링크를 여는 중…</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>Quelta가 이 창에서 로그인을 완료하는 중입니다.</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer 연결됨</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>이 창을 닫고 사용량을 새로 고칠 수 있습니다.</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>링크가 작동하지 않음</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>이메일을 사용하나요?</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>Framer 이메일을 열고 Open Framer를 마우스 오른쪽 버튼으로 클릭해 링크 복사를 선택한 다음 링크 붙여넣기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>아래에서 Google 또는 이메일을 선택하세요.</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>링크 붙여넣기</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>이메일에서 Framer 로그인 링크를 복사한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>Framer에서 해당 로그인 링크를 열 수 없습니다.</translation>
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
        <translation>M월 d일 (ddd) HH:mm</translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation>%1 소진</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>%1 소진 · %2 후 재설정</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>%1 소진 · %2 후 재설정됨</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>%2 동안 %1 % 사용, 지난주 이 시점에는 %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>%2 동안 %1 % 사용, 어제 이 시점에는 %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>%2 동안 %1 % 사용, 이전 기간 이 시점에는 %3 %</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n시간</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message>
        <source>Used %1 % in %2</source>
        <translation>%2 동안 %1 % 사용</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>Quelta 기록</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>기간</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>최근 %n일</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>일일 최대 사용량</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>이 기간에 기록이 없습니다</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>최고: %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>일일 최대</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>이 계정의 기록이 아직 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>최근 %n일 최대 %1 % · 현재 %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>최근 %n일 최대 %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>한도</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>이 기간에 소진된 한도가 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>이전 기록 %n개 더 있음.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>소진</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>M월 d일 (ddd)</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: 기록 없음</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1: 최대 %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>해당 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>해당 폴더에 %1 로그인 정보가 없습니다. 먼저 그곳에서 %1에 로그인하세요.</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>계정 이름에는 문자, 숫자, “-”, “_”, “.”만 사용하세요.</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>“%1” 계정이 이미 있습니다. 다른 이름을 선택하세요.</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>해당 폴더를 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>계정 추가…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>이름 (예: work)</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>계정 이름</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>계정이 로그인된 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>추가됨 · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>발견됨 · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 제거</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>Quelta에 %1 표시</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>다른 계정이 없습니다. ~/.claude-work 같은 Claude Code 폴더와 ~/.codex-work 같은 Codex 폴더는 자동으로 찾습니다.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>확인 중</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>사용 불가</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>5시간 한도</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>주간 한도 (모든 모델)</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>주간 한도 (Fable 5)</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>인증 정보는 각 제공자에 남아 있습니다.</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>Claude Code를 사용하려면 유료 Claude 구독이 필요합니다.</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>사용 한도</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>제공자</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>Quelta에 표시할 사용량을 선택하세요. 데이터는 이 컴퓨터에만 저장됩니다.</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>계정 폴더 선택</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>각각 별도 계정으로 로그인된 다른 Claude Code 및 Codex 폴더입니다.</translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation>사용량 알림 허용</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>설정 열기</translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation>사용량 알림</translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation>사용 속도</translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation>사용량이 빠르게 늘거나 재설정 전에 소진될 수 있을 때 경고합니다.</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>잔여량 부족</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>25% 남았을 때 한 번, 10% 남았을 때 다시 알립니다.</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>한도 재설정</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>사용량이 다시 가득 차면 알려줍니다.</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>사용 중인 제공자의 연결이 끊기면 알려줍니다.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>사용량이 문제가 되기 전에 조용히 알려드립니다.</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>패널에 사용량 표시</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>패널 사용량</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>가장 빠듯한 사용량 또는 선택한 사용량을 트레이 아이콘 옆에 표시합니다.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>표시 항목</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>가장 빠듯한 사용량</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>로그인 시 Quelta 실행</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>로그인 시 실행</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>로그인하면 Quelta를 자동으로 엽니다.</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>익명 분석 정보 공유</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>익명 분석 정보 공유</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>설정, 앱 활동, 연결 안정성을 공유합니다. 제공자 이름, 잔액, 계정 정보는 공개되지 않습니다.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>양식 열기</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>버그 신고, 기능 요청, 제공자 제안을 보낼 수 있습니다.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>무료 · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>기록 보관</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30일</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90일</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365일</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>영구</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Quelta가 이 컴퓨터에 지난 수치를 보관하는 기간입니다.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>사용 기록</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>최근 며칠간의 각 한도, 일일 최대치, 소진된 기간을 보여줍니다.</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>기록 지우기…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>기록 지우기</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>Quelta가 기록한 모든 수치를 지웁니다.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>모든 기록을 지울까요?</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>Quelta가 기록한 모든 수치를 지웁니다. 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>기록을 지울 수 없습니다</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>기록 파일을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>로그인 중…</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>Quelta는 사용 중인 제공자만 확인하고 기록은 이 컴퓨터에 보관합니다.</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>데스크톱 설정에서 알림이 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>데스크톱 설정에서 알림 배너가 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>로그인 시 Quelta 실행 허용</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>Quelta를 로그인 시 시작되는 프로그램에 추가할 수 없습니다. 자동 시작 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1에 연결할 수 없습니다</translation>
    </message>
</context>
</TS>
