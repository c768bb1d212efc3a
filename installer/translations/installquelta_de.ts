<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>Diese Kopie von Quelta konnte nicht überprüft werden. Laden Sie ein neues Installationsprogramm herunter und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>In „Programme“ gibt es bereits einen Link namens Quelta. Verschieben Sie ihn vor der Installation.</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>Quelta ist bereits installiert. Öffnen Sie es und wählen Sie in den Einstellungen „Nach Updates suchen“.</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>Quelta konnte nicht nach „Programme“ kopiert werden. Prüfen Sie die Berechtigungen des Ordners und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>Quelta ist installiert. Sie können es über „Programme“ öffnen.</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>Quelta-App</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>Zum Installieren auf „Programme“ ziehen.</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>Quelta in „Programme“ installieren</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>Quelta hier ablegen oder zum Installieren drücken.</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>Quelta installieren</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>Installation von Quelta beenden</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>Oder klicken Sie zum Installieren auf „Programme“.</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>Quelta wird installiert…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
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
        <source>Quelta is ready in Applications.</source>
        <translation>Quelta ist jetzt in „Programme“.</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>Ziehen Sie Quelta auf „Programme“, um loszulegen.</translation>
    </message>
</context>
</TS>
