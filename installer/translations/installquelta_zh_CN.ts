<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>无法验证此 Quelta 副本。请重新下载安装程序后重试。</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>“应用程序”中已有名为 Quelta 的链接。请先将其移走，再进行安装。</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>Quelta 已安装。请打开它，在设置中选择“检查更新”以获取最新版本。</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>无法将 Quelta 复制到“应用程序”。请检查该文件夹的权限后重试。</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>Quelta 已安装。你可以从“应用程序”中打开它。</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>Quelta 应用</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>拖到“应用程序”即可安装。</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>将 Quelta 安装到“应用程序”</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>将 Quelta 拖放到这里，或按下以安装。</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>安装 Quelta</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>退出 Quelta 安装程序</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>或点击“应用程序”进行安装。</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>正在安装 Quelta…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
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
        <source>Quelta is ready in Applications.</source>
        <translation>Quelta 已在“应用程序”中就绪。</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>将 Quelta 拖到“应用程序”即可开始使用。</translation>
    </message>
</context>
</TS>
