<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>No se pudo verificar esta copia de Quelta. Descarga un instalador nuevo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>Ya hay un enlace llamado Quelta en Aplicaciones. Muévelo antes de instalar.</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>Quelta ya está instalado. Ábrelo y elige Buscar actualizaciones en los ajustes.</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>No se pudo copiar Quelta en Aplicaciones. Revisa los permisos de la carpeta y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>Quelta está instalado. Puedes abrirlo desde Aplicaciones.</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>App Quelta</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>Arrastra a Aplicaciones para instalar.</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>Instalar Quelta en Aplicaciones</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>Suelta Quelta aquí o pulsa para instalar.</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>Instalar Quelta</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>Salir del instalador de Quelta</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>O haz clic en Aplicaciones para instalar.</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>Instalando Quelta…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Abrir Quelta</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Todo listo</translation>
    </message>
    <message>
        <source>Quelta is ready in Applications.</source>
        <translation>Quelta ya está en Aplicaciones.</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>Arrastra Quelta a Aplicaciones para empezar.</translation>
    </message>
</context>
</TS>
