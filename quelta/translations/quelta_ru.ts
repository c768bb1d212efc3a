<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Quelta</name>
    <message>
        <source>5-hour limit unavailable</source>
        <translation>Пятичасовой лимит недоступен</translation>
    </message>
    <message>
        <source>Weekly limit unavailable</source>
        <translation>Недельный лимит недоступен</translation>
    </message>
    <message>
        <source>Fable 5 limit unavailable</source>
        <translation>Лимит Fable 5 недоступен</translation>
    </message>
    <message>
        <source>No usage yet</source>
        <translation>Пока не использовано</translation>
    </message>
    <message>
        <source>Reset time unavailable</source>
        <translation>Время сброса неизвестно</translation>
    </message>
    <message>
        <source>Claude Free doesn’t include Claude Code</source>
        <translation>Claude Free не включает Claude Code</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Проверка…</translation>
    </message>
    <message>
        <source>Requires connection</source>
        <translation>Требуется подключение</translation>
    </message>
    <message>
        <source>Temporarily rate limited</source>
        <translation>Временно ограничено</translation>
    </message>
    <message>
        <source>Open Claude Code to renew access</source>
        <translation>Откройте Claude Code, чтобы продлить доступ</translation>
    </message>
    <message>
        <source>Allowance unavailable</source>
        <translation>Лимит недоступен</translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nm</source>
        <translation>
            <numerusform>%1: повторная проверка через %n минуту</numerusform>
            <numerusform>%1: повторная проверка через %n минуты</numerusform>
            <numerusform>%1: повторная проверка через %n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 checks again in %nh</source>
        <translation>
            <numerusform>%1: повторная проверка через %n час</numerusform>
            <numerusform>%1: повторная проверка через %n часа</numerusform>
            <numerusform>%1: повторная проверка через %n часов</numerusform>
        </translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Обновление…</translation>
    </message>
    <message>
        <source>Couldn’t save settings</source>
        <translation>Не удалось сохранить настройки</translation>
    </message>
    <message>
        <source>Couldn’t keep history</source>
        <translation>Не удалось сохранить историю</translation>
    </message>
    <message>
        <source>Refresh incomplete · Try again</source>
        <translation>Обновление не завершено · Повторите попытку</translation>
    </message>
    <message>
        <source>Checking allowances</source>
        <translation>Проверка лимитов</translation>
    </message>
    <message>
        <source>Not updated yet</source>
        <translation>Ещё не обновлено</translation>
    </message>
    <message>
        <source>Updated just now</source>
        <translation>Обновлено только что</translation>
    </message>
    <message numerus="yes">
        <source>Updated %nm ago</source>
        <translation>
            <numerusform>Обновлено %n минуту назад</numerusform>
            <numerusform>Обновлено %n минуты назад</numerusform>
            <numerusform>Обновлено %n минут назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Updated %nh ago</source>
        <translation>
            <numerusform>Обновлено %n час назад</numerusform>
            <numerusform>Обновлено %n часа назад</numerusform>
            <numerusform>Обновлено %n часов назад</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign in to Claude</source>
        <translation>Войдите в Claude</translation>
    </message>
    <message>
        <source>Sign in with your Claude subscription</source>
        <translation>Войдите с подпиской Claude</translation>
    </message>
    <message>
        <source>Reconnect your Claude subscription</source>
        <translation>Переподключите подписку Claude</translation>
    </message>
    <message>
        <source>Usage unavailable</source>
        <translation>Данные об использовании недоступны</translation>
    </message>
    <message>
        <source>No active session</source>
        <translation>Нет активного сеанса</translation>
    </message>
    <message>
        <source>Connected · limits not reported yet</source>
        <translation>Подключено · лимиты ещё не получены</translation>
    </message>
    <message>
        <source>Connected · reset time unavailable</source>
        <translation>Подключено · время сброса неизвестно</translation>
    </message>
    <message>
        <source>Resets on %1</source>
        <translation>Сброс %1</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <translation>d&#xa0;MMM</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>Сброс через %1&#xa0;д&#xa0;%2&#xa0;ч</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>Сброс через %1&#xa0;ч&#xa0;%2&#xa0;мин</translation>
    </message>
    <message numerus="yes">
        <source>Resets in %nm</source>
        <translation>
            <numerusform>Сброс через %n минуту</numerusform>
            <numerusform>Сброс через %n минуты</numerusform>
            <numerusform>Сброс через %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>tracked</source>
        <translation>отслеж.</translation>
    </message>
    <message>
        <source>offered</source>
        <translation>доступен</translation>
    </message>
    <message>
        <source>(web session)</source>
        <translation>(веб-сеанс)</translation>
    </message>
    <message>
        <source>(no identity)</source>
        <translation>(нет учётной записи)</translation>
    </message>
    <message>
        <source>left out: %1: %2</source>
        <translation>пропущено: %1: %2</translation>
    </message>
    <message>
        <source>accounts add needs a provider and a folder</source>
        <translation>accounts add требует провайдера и папку</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose claude or chatgpt)</source>
        <translation>неизвестный провайдер: %1 (выберите claude или chatgpt)</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>нет такой папки: %1</translation>
    </message>
    <message>
        <source>%1 holds no %2 sign-in</source>
        <translation>в %1 нет входа в %2</translation>
    </message>
    <message>
        <source>give the account a name of letters, digits, &quot;-&quot;, &quot;_&quot; or &quot;.&quot; with --name</source>
        <translation>задайте учётной записи имя из букв, цифр, «-», «_» или «.» через --name</translation>
    </message>
    <message>
        <source>an account of that name exists already: choose another with --name</source>
        <translation>учётная запись с таким именем уже есть: выберите другое через --name</translation>
    </message>
    <message>
        <source>Added %1. Track it with: quelta accounts track NAME</source>
        <translation>Добавлено: %1. Чтобы отслеживать: quelta accounts track NAME</translation>
    </message>
    <message>
        <source>no added account named %1: see quelta accounts</source>
        <translation>нет добавленной учётной записи %1: см. quelta accounts</translation>
    </message>
    <message>
        <source>%1 was found in its folder, not added: untrack it instead</source>
        <translation>%1 найдена в своей папке, а не добавлена: вместо этого используйте untrack</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Удалено: %1.</translation>
    </message>
    <message>
        <source>%1 is the last account tracked</source>
        <translation>%1 — последняя отслеживаемая учётная запись</translation>
    </message>
    <message>
        <source>%1 is tracked.</source>
        <translation>%1 отслеживается.</translation>
    </message>
    <message>
        <source>%1 is no longer tracked.</source>
        <translation>%1 больше не отслеживается.</translation>
    </message>
    <message>
        <source>Usage: quelta accounts                 list the accounts, their folders and who is signed in
       quelta accounts add claude|chatgpt FOLDER [--name NAME]
       quelta accounts remove NAME     forget an added folder
       quelta accounts track|untrack NAME
NAME is an account&apos;s name, or claude:NAME and chatgpt:NAME where two share it.
</source>
        <translation>Использование: quelta accounts                 показать учётные записи, их папки и кто вошёл
               quelta accounts add claude|chatgpt FOLDER [--name NAME]
               quelta accounts remove NAME     забыть добавленную папку
               quelta accounts track|untrack NAME
NAME — имя учётной записи, либо claude:NAME и chatgpt:NAME, если имя общее у двух.
</translation>
    </message>
    <message>
        <source>unknown accounts command: %1</source>
        <translation>неизвестная команда accounts: %1</translation>
    </message>
    <message>
        <source>accounts %1 needs one account name</source>
        <translation>accounts %1 требует одно имя учётной записи</translation>
    </message>
    <message>
        <source>no account named %1: see quelta accounts</source>
        <translation>нет учётной записи %1: см. quelta accounts</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Complete sign-in in your browser</source>
        <translation>Завершите вход в браузере</translation>
    </message>
    <message>
        <source>Couldn’t connect · Try again</source>
        <translation>Не удалось подключиться · Повторите попытку</translation>
    </message>
    <message>
        <source>Showing last update</source>
        <translation>Показаны последние данные</translation>
    </message>
    <message>
        <source>%1 credits left</source>
        <translation>Осталось кредитов: %1</translation>
    </message>
    <message>
        <source>5-hour limit</source>
        <translation>Пятичасовой лимит</translation>
    </message>
    <message>
        <source>Weekly limit</source>
        <translation>Недельный лимит</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Дневной лимит</translation>
    </message>
    <message>
        <source>Allowance not available</source>
        <translation>Лимит недоступен</translation>
    </message>
    <message>
        <source>%1 percent remaining</source>
        <translation>Осталось %1 процентов</translation>
    </message>
    <message>
        <source>%1 percent used</source>
        <translation>Использовано %1 процентов</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose %2)</source>
        <translation>неизвестный формат: %1 (выберите %2)</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2, or one account as claude:NAME)</source>
        <translation>неизвестный провайдер: %1 (выберите %2 или учётную запись в виде claude:NAME)</translation>
    </message>
    <message>
        <source>unknown option for status: %1</source>
        <translation>неизвестный параметр для status: %1</translation>
    </message>
    <message>
        <source>--format and --json cannot be used together</source>
        <translation>--format и --json нельзя использовать вместе</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Вход в %1…</translation>
    </message>
    <message>
        <source>%1 is connected.</source>
        <translation>%1 подключён.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect.</source>
        <translation>Не удалось подключить %1.</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>не удаётся записать вывод</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>не удаётся записать вывод: %1</translation>
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
        <translation>Использование: quelta &lt;команда&gt; [параметры]

Команды:
  status [--json] [--cached]   обновить и показать остаток каждого лимита
                               (--cached: последние данные, без загрузки)
  status --watch               строка JSON сейчас и ещё одна при каждом изменении
  status --format waybar|polybar|i3blocks
                               одна строка для этой панели; с --watch ещё одна
                               при каждом изменении
  status --provider NAME       только этот провайдер: chatgpt, claude или framer;
                               claude:NAME для одной из его учётных записей
  connect chatgpt|claude       войти через инструмент провайдера и подключить его
  connect claude:NAME          то же для другой учётной записи
  connect framer               войти в Framer в его окне и подключить
  accounts [add|remove|track|untrack …]
                               показать или изменить учётные записи провайдеров
</translation>
    </message>
    <message>
        <source>Options:
  --help       show this help
  --version    show the version
</source>
        <translation>Параметры:
  --help       показать эту справку
  --version    показать версию
</translation>
    </message>
    <message>
        <source>Framer is signed in to in a window: run this command on your desktop.</source>
        <translation>Вход в Framer выполняется в окне: запустите эту команду на рабочем столе.</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>неизвестная команда: %1</translation>
    </message>
    <message>
        <source>couldn’t save settings to %1</source>
        <translation>не удалось сохранить настройки в %1</translation>
    </message>
    <message>
        <source>unknown provider: %1 (choose %2)</source>
        <translation>неизвестный провайдер: %1 (выберите %2)</translation>
    </message>
    <message>
        <source>bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)</source>
        <translation>неверная дата: %1 (укажите число дней, например 7d или 30d, или дату, например 2026-11-01)</translation>
    </message>
    <message>
        <source>unknown format: %1 (choose table, csv or json)</source>
        <translation>неизвестный формат: %1 (выберите table, csv или json)</translation>
    </message>
    <message>
        <source>--import needs a file</source>
        <translation>--import требует файл</translation>
    </message>
    <message>
        <source>unknown option for history: %1</source>
        <translation>неизвестный параметр для history: %1</translation>
    </message>
    <message>
        <source>--import takes no other option</source>
        <translation>--import не сочетается с другими параметрами</translation>
    </message>
    <message>
        <source>No history yet.
</source>
        <translation>Истории пока нет.
</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Лимит</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Использовано</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; ничего не импортировано</translation>
    </message>
    <message>
        <source>history could not be written: %1</source>
        <translation>не удалось записать историю: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s); %1 already in the history.</source>
        <translation>
            <numerusform>Импортирована %n запись; %1 уже в истории.</numerusform>
            <numerusform>Импортированы %n записи; %1 уже в истории.</numerusform>
            <numerusform>Импортировано %n записей; %1 уже в истории.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n sample(s).</source>
        <translation>
            <numerusform>Импортирована %n запись.</numerusform>
            <numerusform>Импортированы %n записи.</numerusform>
            <numerusform>Импортировано %n записей.</numerusform>
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
                               данные, записанные Quelta, от старых к новым
  history --provider NAME[:ACCOUNT]
                               только этот сервис или одна его учётная запись
  history --limit ID           только этот лимит, например five_hour или weekly
  history --since 7d|30d|DATE  только за столько дней или начиная с этой даты
  history --import FILE        добавить записи из экспорта CSV или JSON
</translation>
    </message>
    <message>
        <source>history is unavailable: %1</source>
        <translation>история недоступна: %1</translation>
    </message>
    <message>
        <source>history could not be read: %1</source>
        <translation>не удалось прочитать историю: %1</translation>
    </message>
    <message>
        <source>Sign in to Framer in the window, with Google or your email’s link, then try again.</source>
        <translation>Войдите в Framer в окне через Google или по ссылке из письма, затем повторите попытку.</translation>
    </message>
    <message>
        <source>Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.</source>
        <translation>Веб-помощник Quelta, quelta-web, отсутствует рядом с quelta: переустановите Quelta.</translation>
    </message>
    <message>
        <source>Complete the Codex sign-in in your browser, then try again.</source>
        <translation>Завершите вход в Codex в браузере, затем повторите попытку.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then connect ChatGPT again.</source>
        <translation>Установите Codex с %1, затем снова подключите ChatGPT.</translation>
    </message>
    <message>
        <source>Open Claude Code, run /login, and choose your Claude subscription.</source>
        <translation>Откройте Claude Code, выполните /login и выберите подписку Claude.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then connect Claude again.</source>
        <translation>Установите Claude Code с %1, затем снова подключите Claude.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.</source>
        <translation>Ваша учётная запись Claude на тарифе Free. Для Claude Code нужна платная подписка Claude.</translation>
    </message>
    <message>
        <source>the running Quelta did not answer: %1</source>
        <translation>запущенный Quelta не ответил: %1</translation>
    </message>
    <message>
        <source>the same account as the default folder %1, which is kept</source>
        <translation>та же учётная запись, что в папке по умолчанию %1, которая сохраняется</translation>
    </message>
    <message>
        <source>the same account as %1, which was found first and is kept</source>
        <translation>та же учётная запись, что и %1, найденная первой и сохраняемая</translation>
    </message>
    <message>
        <source>cannot start the application program %1: %2</source>
        <translation>не удаётся запустить программу приложения %1: %2</translation>
    </message>
    <message>
        <source>Welcome to Quelta</source>
        <translation>Добро пожаловать в Quelta</translation>
    </message>
    <message>
        <source>See your usage in the system tray.</source>
        <translation>Ваше использование — в системном трее.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Choose your providers</source>
        <translation>Выберите сервисы</translation>
    </message>
    <message>
        <source>Select the services you want Quelta to track.</source>
        <translation>Выберите сервисы, которые будет отслеживать Quelta.</translation>
    </message>
    <message>
        <source>More providers coming soon</source>
        <translation>Скоро появятся другие сервисы</translation>
    </message>
    <message>
        <source>Also signed in on this computer</source>
        <translation>Также выполнен вход на этом компьютере</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Set up later</source>
        <translation>Настроить позже</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Открыть Quelta</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Всё готово</translation>
    </message>
    <message>
        <source>Quelta is ready in your system tray.</source>
        <translation>Quelta готов к работе в системном трее.</translation>
    </message>
    <message>
        <source>Codex sign-in found</source>
        <translation>Найден вход в Codex</translation>
    </message>
    <message>
        <source>Claude Code sign-in found</source>
        <translation>Найден вход в Claude Code</translation>
    </message>
    <message>
        <source>Framer session found</source>
        <translation>Найден сеанс Framer</translation>
    </message>
    <message>
        <source>Codex sign-in required</source>
        <translation>Требуется вход в Codex</translation>
    </message>
    <message>
        <source>Claude Code sign-in required</source>
        <translation>Требуется вход в Claude Code</translation>
    </message>
    <message>
        <source>Connect Framer</source>
        <translation>Подключить Framer</translation>
    </message>
    <message>
        <source>Connect %1</source>
        <translation>Подключить %1</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 подключён</translation>
    </message>
    <message>
        <source>Couldn’t connect %1</source>
        <translation>Сбой подключения %1</translation>
    </message>
    <message>
        <source>Claude Code isn’t included</source>
        <translation>Claude Code не входит в план</translation>
    </message>
    <message>
        <source>Use your existing Codex sign-in to show
your ChatGPT usage limits.</source>
        <translation>Используйте текущий вход в Codex,
чтобы видеть лимиты ChatGPT.</translation>
    </message>
    <message>
        <source>Use your existing Claude Code sign-in to show
your Claude usage limits.</source>
        <translation>Используйте текущий вход в Claude Code,
чтобы видеть лимиты Claude.</translation>
    </message>
    <message>
        <source>Use your existing Framer session to show
your remaining agent credits.</source>
        <translation>Используйте текущий сеанс Framer,
чтобы видеть оставшиеся кредиты агента.</translation>
    </message>
    <message>
        <source>Sign in through Codex so Quelta can show
your ChatGPT usage limits.</source>
        <translation>Войдите через Codex, чтобы Quelta
показывал лимиты ChatGPT.</translation>
    </message>
    <message>
        <source>Sign in through Claude Code so Quelta can show
your Claude usage limits.</source>
        <translation>Войдите через Claude Code, чтобы Quelta
показывал лимиты Claude.</translation>
    </message>
    <message>
        <source>Sign in so Quelta can show
your remaining agent credits.</source>
        <translation>Войдите, чтобы Quelta
показывал оставшиеся кредиты агента.</translation>
    </message>
    <message>
        <source>Quelta can now keep your
%1 usage up to date.</source>
        <translation>Теперь Quelta будет следить
за использованием %1.</translation>
    </message>
    <message>
        <source>Install Codex from %1, then try again.</source>
        <translation>Установите Codex с %1 и повторите попытку.</translation>
    </message>
    <message>
        <source>Install Claude Code from %1, then try again.</source>
        <translation>Установите Claude Code с %1 и повторите попытку.</translation>
    </message>
    <message>
        <source>Something interrupted the connection.
Try again when you’re ready.</source>
        <translation>Подключение было прервано.
Повторите попытку, когда будете готовы.</translation>
    </message>
    <message>
        <source>Your Claude account is on the Free plan.
Claude Code needs a paid Claude subscription.</source>
        <translation>Ваш аккаунт Claude на тарифе Free.
Для Claude Code нужна платная подписка Claude.</translation>
    </message>
    <message>
        <source>Use This Account</source>
        <translation>Использовать этот аккаунт</translation>
    </message>
    <message>
        <source>Sign in with Codex</source>
        <translation>Войти через Codex</translation>
    </message>
    <message>
        <source>Sign in with Claude Code</source>
        <translation>Войти через Claude Code</translation>
    </message>
    <message>
        <source>Waiting for Codex…</source>
        <translation>Ожидание Codex…</translation>
    </message>
    <message>
        <source>Waiting for Claude Code…</source>
        <translation>Ожидание Claude Code…</translation>
    </message>
    <message>
        <source>Waiting for Framer…</source>
        <translation>Ожидание Framer…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Шаг %1 из %2</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Refresh allowances</source>
        <translation>Обновить лимиты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Snooze 1h</source>
        <translation>Отложить на 1 ч</translation>
    </message>
    <message>
        <source>Quelta couldn’t deliver alerts. Check Notifications in System Settings.</source>
        <translation>Quelta не удалось отправить оповещения. Проверьте уведомления в системных настройках.</translation>
    </message>
    <message>
        <source>Agent credits</source>
        <translation>Кредиты агента</translation>
    </message>
    <message>
        <source>Usage limit</source>
        <translation>Лимит использования</translation>
    </message>
    <message>
        <source>At this pace it runs out in %1, %2 before it resets.</source>
        <translation>При таком темпе закончится через %1, за %2 до сброса.</translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;д</translation>
    </message>
    <message>
        <source>%1d %2h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;д&#xa0;%2&#xa0;ч</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;ч</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;ч&#xa0;%2&#xa0;мин</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration</comment>
        <translation>%1&#xa0;мин</translation>
    </message>
    <message>
        <source>%1 has %2% remaining.</source>
        <translation>%1: осталось %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is almost out</source>
        <translation>%1 почти исчерпан</translation>
    </message>
    <message>
        <source>%1 is running low</source>
        <translation>%1 заканчивается</translation>
    </message>
    <message>
        <source>%1 limit reset</source>
        <translation>Лимит %1 сброшен</translation>
    </message>
    <message>
        <source>%1 is back to %2% remaining.</source>
        <translation>%1: снова осталось %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 usage is rising quickly</source>
        <translation>Использование %1 быстро растёт</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 within 30 minutes.</source>
        <translation>За 30 минут израсходовано %1&#xa0;% (%2).</translation>
    </message>
    <message>
        <source> At this pace, you may run out before it resets in %1.</source>
        <translation> При таком темпе он может закончиться до сброса через %1.</translation>
    </message>
    <message>
        <source>%1 usage is ahead of pace</source>
        <translation>Использование %1 опережает темп</translation>
    </message>
    <message>
        <source>You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.</source>
        <translation>Израсходовано %1&#xa0;% (%2), осталось %3. При таком темпе он может закончиться примерно через %4.</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 отключён</translation>
    </message>
    <message>
        <source>Reconnect %1 to keep its usage up to date in Quelta.</source>
        <translation>Подключите %1 снова, чтобы Quelta показывал актуальное использование.</translation>
    </message>
    <message>
        <source>Quelta %1 is available</source>
        <translation>Доступна версия Quelta %1</translation>
    </message>
    <message>
        <source>You’re up to date</source>
        <translation>Установлена последняя версия</translation>
    </message>
    <message>
        <source>Updates aren’t set up</source>
        <translation>Обновления не настроены</translation>
    </message>
    <message>
        <source>Couldn’t check for updates</source>
        <translation>Не удалось проверить обновления</translation>
    </message>
    <message>
        <source>Download it from its page and install it over this one.</source>
        <translation>Скачайте её со страницы и установите поверх текущей.</translation>
    </message>
    <message>
        <source>This is the newest version of Quelta.</source>
        <translation>Это последняя версия Quelta.</translation>
    </message>
    <message>
        <source>This build of Quelta has no update feed.</source>
        <translation>В этой сборке Quelta нет источника обновлений.</translation>
    </message>
    <message>
        <source>The update feed couldn’t be read. Try again later.</source>
        <translation>Не удалось прочитать источник обновлений. Повторите позже.</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Показать историю…</translation>
    </message>
    <message>
        <source>Quit Quelta</source>
        <translation>Выйти из Quelta</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Quelta Settings</source>
        <translation>Настройки Quelta</translation>
    </message>
    <message>
        <source>Opening your magic link…</source>
        <translation>Открываем волшебную ссылку…</translation>
    </message>
    <message>
        <source>Quelta is completing the sign-in inside this window.</source>
        <translation>Quelta завершает вход в этом окне.</translation>
    </message>
    <message>
        <source>Framer connected</source>
        <translation>Framer подключён</translation>
    </message>
    <message>
        <source>You can close this window and refresh your allowances.</source>
        <translation>Можно закрыть это окно и обновить лимиты.</translation>
    </message>
    <message>
        <source>That link didn&apos;t work</source>
        <translation>Ссылка не сработала</translation>
    </message>
    <message>
        <source>Using email?</source>
        <translation>Входите по почте?</translation>
    </message>
    <message>
        <source>Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.</source>
        <translation>Откройте письмо от Framer. Щёлкните правой кнопкой по Open Framer, выберите «Копировать ссылку», затем нажмите «Вставить ссылку».</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Choose Google or email below.</source>
        <translation>Выберите ниже Google или почту.</translation>
    </message>
    <message>
        <source>Paste Link</source>
        <translation>Вставить ссылку</translation>
    </message>
    <message>
        <source>Copy the Framer sign-in link from your email, then try again.</source>
        <translation>Скопируйте ссылку для входа в Framer из письма и повторите попытку.</translation>
    </message>
    <message>
        <source>Framer couldn&apos;t open that sign-in link.</source>
        <translation>Framer не удалось открыть эту ссылку для входа.</translation>
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
        <translation>ddd, d MMM, HH:mm</translation>
    </message>
    <message>
        <source>Ran out %1</source>
        <translation>Исчерпан %1</translation>
    </message>
    <message>
        <source>Ran out %1 · resets in %2</source>
        <translation>Исчерпан %1 · сброс через %2</translation>
    </message>
    <message>
        <source>Ran out %1 · reset %2 later</source>
        <translation>Исчерпан %1 · сброс через %2</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last week %3 % at this point</source>
        <translation>Использовано %1 % за %2; на прошлой неделе к этому моменту %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; yesterday %3 % at this point</source>
        <translation>Использовано %1 % за %2; вчера к этому моменту %3 %</translation>
    </message>
    <message>
        <source>Used %1 % in %2; last window %3 % at this point</source>
        <translation>Использовано %1 % за %2; в прошлом окне к этому моменту %3 %</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Used %1 % in %2</source>
        <translation>Использовано %1 % за %2</translation>
    </message>
    <message>
        <source>Quelta History</source>
        <translation>История Quelta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Аккаунт</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Период</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Последний %n день</numerusform>
            <numerusform>Последние %n дня</numerusform>
            <numerusform>Последние %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily peak use</source>
        <translation>Дневной пик</translation>
    </message>
    <message>
        <source>No record in this period</source>
        <translation>Нет данных за этот период</translation>
    </message>
    <message>
        <source>Highest on %1</source>
        <translation>Максимум: %1</translation>
    </message>
    <message>
        <source>Daily Peak</source>
        <translation>Дневной пик</translation>
    </message>
    <message>
        <source>No history for this account yet.</source>
        <translation>Для этого аккаунта пока нет истории.</translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days · now %2 %</source>
        <translation>
            <numerusform>Пик %1 % за последний %n день · сейчас %2 %</numerusform>
            <numerusform>Пик %1 % за последние %n дня · сейчас %2 %</numerusform>
            <numerusform>Пик %1 % за последние %n дней · сейчас %2 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Peak %1 % in the last %n days</source>
        <translation>
            <numerusform>Пик %1 % за последний %n день</numerusform>
            <numerusform>Пик %1 % за последние %n дня</numerusform>
            <numerusform>Пик %1 % за последние %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Лимиты</translation>
    </message>
    <message>
        <source>No limit ran out in this period.</source>
        <translation>За этот период ни один лимит не исчерпан.</translation>
    </message>
    <message numerus="yes">
        <source>And %n earlier.</source>
        <translation>
            <numerusform>И ещё %n ранее.</numerusform>
            <numerusform>И ещё %n ранее.</numerusform>
            <numerusform>И ещё %n ранее.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ran Out</source>
        <translation>Исчерпаны</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <comment>weekday, day and month</comment>
        <translation>ddd, d MMM</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: нет данных</translation>
    </message>
    <message>
        <source>%1: peak %2 %</source>
        <translation>%1: пик %2 %</translation>
    </message>
    <message>
        <source>That folder doesn’t exist.</source>
        <translation>Такой папки нет.</translation>
    </message>
    <message>
        <source>That folder holds no %1 sign-in. Sign in with %1 there first.</source>
        <translation>В этой папке нет входа в %1. Сначала войдите там через %1.</translation>
    </message>
    <message>
        <source>Name the account with letters, digits, “-”, “_” or “.”.</source>
        <translation>Используйте в имени аккаунта буквы, цифры, «-», «_» или «.».</translation>
    </message>
    <message>
        <source>An account named “%1” exists already. Choose another name.</source>
        <translation>Аккаунт «%1» уже существует. Выберите другое имя.</translation>
    </message>
    <message>
        <source>That folder can’t be added.</source>
        <translation>Эту папку нельзя добавить.</translation>
    </message>
    <message>
        <source>Add account…</source>
        <translation>Добавить аккаунт…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Name, such as work</source>
        <translation>Имя, например work</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Имя аккаунта</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Choose the folder the account is signed in through.</source>
        <translation>Выберите папку, через которую выполнен вход в аккаунт.</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>Добавлен · %1</translation>
    </message>
    <message>
        <source>Found · %1</source>
        <translation>Найден · %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Удалить %1</translation>
    </message>
    <message>
        <source>Show %1 in Quelta</source>
        <translation>Показывать %1 в Quelta</translation>
    </message>
    <message>
        <source>No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as ~/.codex-work are found on their own.</source>
        <translation>Других аккаунтов не найдено. Папки Claude Code вроде ~/.claude-work и Codex вроде ~/.codex-work находятся автоматически.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>5-Hour Limit</source>
        <translation>Лимит на 5 часов</translation>
    </message>
    <message>
        <source>Weekly Limit (All Models)</source>
        <translation>Недельный (все модели)</translation>
    </message>
    <message>
        <source>Weekly Limit (Fable 5)</source>
        <translation>Недельный (Fable 5)</translation>
    </message>
    <message>
        <source>Credentials stay with each provider.</source>
        <translation>Учётные данные остаются у каждого провайдера.</translation>
    </message>
    <message>
        <source>Claude Code requires a paid Claude subscription.</source>
        <translation>Для Claude Code нужна платная подписка Claude.</translation>
    </message>
    <message>
        <source>Usage Limit</source>
        <translation>Лимит</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>Choose which allowances appear in Quelta. Data stays on this computer.</source>
        <translation>Выберите, какие лимиты показывать в Quelta. Данные остаются на этом компьютере.</translation>
    </message>
    <message>
        <source>Choose the Account’s Folder</source>
        <translation>Выбор папки аккаунта</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Аккаунты</translation>
    </message>
    <message>
        <source>Other Claude Code and Codex folders, each signed in to an account of its own.</source>
        <translation>Другие папки Claude Code и Codex, каждая со своим аккаунтом.</translation>
    </message>
    <message>
        <source>Allow usage alerts</source>
        <translation>Разрешить оповещения</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>Usage Alerts</source>
        <translation>Оповещения</translation>
    </message>
    <message>
        <source>Usage pace</source>
        <translation>Темп расхода</translation>
    </message>
    <message>
        <source>Warn when usage is rising quickly or may run out before reset.</source>
        <translation>Предупреждать, если расход быстро растёт или лимит может кончиться до сброса.</translation>
    </message>
    <message>
        <source>Low allowance</source>
        <translation>Мало осталось</translation>
    </message>
    <message>
        <source>Alert once at 25% and again at 10% remaining.</source>
        <translation>Оповестить при остатке 25 % и ещё раз при 10 %.</translation>
    </message>
    <message>
        <source>Limit resets</source>
        <translation>Сброс лимита</translation>
    </message>
    <message>
        <source>Let me know when an allowance is full again.</source>
        <translation>Сообщать, когда лимит снова полон.</translation>
    </message>
    <message>
        <source>Disconnections</source>
        <translation>Отключения</translation>
    </message>
    <message>
        <source>Tell me when an enabled provider loses its connection.</source>
        <translation>Сообщать, когда включённый провайдер теряет подключение.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>Get a quiet heads-up before an allowance becomes a problem.</source>
        <translation>Тихое предупреждение, пока лимит не стал проблемой.</translation>
    </message>
    <message>
        <source>Show allowance in panel</source>
        <translation>Показывать лимит на панели</translation>
    </message>
    <message>
        <source>Allowance in Panel</source>
        <translation>Лимит на панели</translation>
    </message>
    <message>
        <source>Show the tightest allowance, or the one you follow, beside the tray icon.</source>
        <translation>Показывает самый жёсткий или выбранный лимит рядом со значком.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Следить</translation>
    </message>
    <message>
        <source>Tightest Allowance</source>
        <translation>Самый жёсткий лимит</translation>
    </message>
    <message>
        <source>Launch Quelta at Login</source>
        <translation>Запускать Quelta при входе</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Запуск при входе</translation>
    </message>
    <message>
        <source>Open Quelta automatically when you log in.</source>
        <translation>Автоматически открывать Quelta при входе в систему.</translation>
    </message>
    <message>
        <source>Share anonymous analytics</source>
        <translation>Отправлять анонимную статистику</translation>
    </message>
    <message>
        <source>Share Anonymous Analytics</source>
        <translation>Анонимная статистика</translation>
    </message>
    <message>
        <source>Share setup, app activity and connection reliability. Provider names, balances and account details stay private.</source>
        <translation>Настройка, активность приложения и надёжность подключения. Провайдеры, балансы и данные аккаунта остаются закрытыми.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Open Form</source>
        <translation>Открыть форму</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Report a bug, request a feature or suggest a provider.</source>
        <translation>Сообщите об ошибке, попросите функцию или предложите провайдера.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Free · Linux</source>
        <translation>Бесплатно · Linux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>Хранить историю</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 дней</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 дней</translation>
    </message>
    <message>
        <source>365 days</source>
        <translation>365 дней</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Всегда</translation>
    </message>
    <message>
        <source>How long Quelta keeps past figures on this computer.</source>
        <translation>Сколько Quelta хранит прошлые данные на этом компьютере.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>История расхода</translation>
    </message>
    <message>
        <source>Each limit over the last days, daily peaks and the windows that ran out.</source>
        <translation>Каждый лимит за последние дни, дневные пики и исчерпанные окна.</translation>
    </message>
    <message>
        <source>Clear History…</source>
        <translation>Очистить историю…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Очистить историю</translation>
    </message>
    <message>
        <source>Forget every figure Quelta has recorded.</source>
        <translation>Удалить все данные, записанные Quelta.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Clear all history?</source>
        <translation>Очистить всю историю?</translation>
    </message>
    <message>
        <source>Quelta forgets every figure it has recorded. This can’t be undone.</source>
        <translation>Quelta удалит все записанные данные. Это нельзя отменить.</translation>
    </message>
    <message>
        <source>History couldn’t be cleared</source>
        <translation>Не удалось очистить историю</translation>
    </message>
    <message>
        <source>The history file couldn’t be written.</source>
        <translation>Не удалось записать файл истории.</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>Вход…</translation>
    </message>
    <message>
        <source>Quelta only checks enabled providers and keeps history on this computer.</source>
        <translation>Quelta проверяет только включённых провайдеров и хранит историю на этом компьютере.</translation>
    </message>
    <message>
        <source>Notifications are disabled in your desktop’s settings.</source>
        <translation>Уведомления отключены в настройках рабочего стола.</translation>
    </message>
    <message>
        <source>Notification banners are turned off in your desktop’s settings.</source>
        <translation>Баннеры уведомлений выключены в настройках рабочего стола.</translation>
    </message>
    <message>
        <source>Allow Quelta to Launch at Login</source>
        <translation>Разрешите запуск Quelta при входе</translation>
    </message>
    <message>
        <source>Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can be written to.</source>
        <translation>Quelta не удалось добавить себя в автозапуск. Проверьте, доступна ли папка autostart для записи.</translation>
    </message>
    <message>
        <source>%1 couldn’t connect</source>
        <translation>%1: не удалось подключиться</translation>
    </message>
</context>
</TS>
