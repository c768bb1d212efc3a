<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>Не удалось проверить эту копию Quelta. Скачайте установщик заново и повторите попытку.</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>В папке «Программы» уже есть ссылка с именем Quelta. Переместите её перед установкой.</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>Quelta уже установлен. Откройте его и выберите в настройках «Проверить обновления».</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>Не удалось скопировать Quelta в папку «Программы». Проверьте права доступа к папке и повторите попытку.</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>Quelta установлен. Его можно открыть из папки «Программы».</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>Приложение Quelta</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>Перетащите в папку «Программы», чтобы установить.</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>Установить Quelta в папку «Программы»</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>Перетащите Quelta сюда или нажмите, чтобы установить.</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>Установка Quelta</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>Закрыть установщик Quelta</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>Или нажмите «Программы», чтобы установить.</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>Установка Quelta…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Повторить</translation>
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
        <source>Quelta is ready in Applications.</source>
        <translation>Quelta уже в папке «Программы».</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>Перетащите Quelta в папку «Программы», чтобы начать.</translation>
    </message>
</context>
</TS>
