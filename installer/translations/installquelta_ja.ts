<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>この Quelta のコピーを検証できませんでした。新しいインストーラをダウンロードして、もう一度お試しください。</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>「アプリケーション」に Quelta という名前のリンクがすでにあります。インストールする前に移動してください。</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>Quelta はすでにインストールされています。Quelta を開き、設定で「アップデートを確認」を選ぶと最新バージョンを入手できます。</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>Quelta を「アプリケーション」にコピーできませんでした。フォルダのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>Quelta をインストールしました。「アプリケーション」から開けます。</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>Quelta アプリ</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>「アプリケーション」にドラッグしてインストールします。</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>Quelta を「アプリケーション」にインストール</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>ここに Quelta をドロップするか、押してインストールします。</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>Quelta をインストール</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>Quelta インストーラを終了</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>または「アプリケーション」をクリックしてインストールします。</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>Quelta をインストール中…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Open Quelta</source>
        <translation>Quelta を開く</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Quelta is ready in Applications.</source>
        <translation>Quelta を「アプリケーション」に追加しました。</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>Quelta を「アプリケーション」にドラッグして始めましょう。</translation>
    </message>
</context>
</TS>
