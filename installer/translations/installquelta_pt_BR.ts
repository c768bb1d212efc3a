<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>Não foi possível verificar esta cópia do Quelta. Baixe um novo instalador e tente novamente.</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>Já existe um link chamado Quelta em Aplicativos. Mova-o antes de instalar.</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>O Quelta já está instalado. Abra-o e escolha Verificar atualizações nos ajustes.</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>Não foi possível copiar o Quelta para Aplicativos. Verifique as permissões da pasta e tente novamente.</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>O Quelta está instalado. Você pode abri-lo em Aplicativos.</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>App Quelta</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>Arraste para Aplicativos para instalar.</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>Instalar o Quelta em Aplicativos</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>Solte o Quelta aqui ou pressione para instalar.</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>Instalar o Quelta</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>Sair do instalador do Quelta</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>Ou clique em Aplicativos para instalar.</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>Instalando o Quelta…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Abrir o Quelta</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Tudo pronto</translation>
    </message>
    <message>
        <source>Quelta is ready in Applications.</source>
        <translation>O Quelta está pronto em Aplicativos.</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>Arraste o Quelta para Aplicativos para começar.</translation>
    </message>
</context>
</TS>
