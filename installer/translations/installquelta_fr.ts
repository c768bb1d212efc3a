<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>Cette copie de Quelta n’a pas pu être vérifiée. Téléchargez un nouveau programme d’installation et réessayez.</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>Un lien nommé Quelta existe déjà dans Applications. Déplacez-le avant l’installation.</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>Quelta est déjà installé. Ouvrez-le et choisissez Rechercher les mises à jour dans les réglages.</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>Impossible de copier Quelta dans Applications. Vérifiez les autorisations du dossier et réessayez.</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>Quelta est installé. Vous pouvez l’ouvrir depuis Applications.</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>App Quelta</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>Faites glisser vers Applications pour installer.</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>Installer Quelta dans Applications</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>Déposez Quelta ici, ou appuyez pour installer.</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>Installer Quelta</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>Quitter l’installation de Quelta</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>Ou cliquez sur Applications pour installer.</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>Installation de Quelta…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
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
        <source>Quelta is ready in Applications.</source>
        <translation>Quelta est prêt dans Applications.</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>Faites glisser Quelta dans Applications pour commencer.</translation>
    </message>
</context>
</TS>
