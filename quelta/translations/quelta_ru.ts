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
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Resets in %1d %2h</source>
        <translation>Сброс через %1 д %2 ч</translation>
    </message>
    <message>
        <source>Resets in %1h %2m</source>
        <translation>Сброс через %1 ч %2 мин</translation>
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
        <source>Quelta is running and would undo this change: quit it, then run this again.</source>
        <translation>Quelta запущен и отменит это изменение: закройте его и запустите команду снова.</translation>
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
</context>
</TS>
