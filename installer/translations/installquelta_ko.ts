<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>InstallQuelta</name>
    <message>
        <source>This copy of Quelta couldn’t be verified. Download a new installer and try again.</source>
        <translation>이 Quelta 사본을 확인할 수 없습니다. 새 설치 프로그램을 다운로드한 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>There’s already a link named Quelta in Applications. Move it before installing.</source>
        <translation>응용 프로그램에 Quelta라는 링크가 이미 있습니다. 설치하기 전에 옮기세요.</translation>
    </message>
    <message>
        <source>Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version.</source>
        <translation>Quelta가 이미 설치되어 있습니다. Quelta를 열고 설정에서 업데이트 확인을 선택해 최신 버전을 받으세요.</translation>
    </message>
    <message>
        <source>Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again.</source>
        <translation>Quelta를 응용 프로그램에 복사할 수 없습니다. 폴더 권한을 확인한 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Quelta is installed. You can open it from Applications.</source>
        <translation>Quelta가 설치되었습니다. 응용 프로그램에서 열 수 있습니다.</translation>
    </message>
    <message>
        <source>Quelta app</source>
        <translation>Quelta 앱</translation>
    </message>
    <message>
        <source>Drag to Applications to install.</source>
        <translation>응용 프로그램으로 드래그하여 설치합니다.</translation>
    </message>
    <message>
        <source>Install Quelta in Applications</source>
        <translation>응용 프로그램에 Quelta 설치</translation>
    </message>
    <message>
        <source>Drop Quelta here, or press to install.</source>
        <translation>여기에 Quelta를 놓거나 눌러서 설치합니다.</translation>
    </message>
    <message>
        <source>Install Quelta</source>
        <translation>Quelta 설치</translation>
    </message>
    <message>
        <source>Quit Install Quelta</source>
        <translation>Quelta 설치 프로그램 종료</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>Or click Applications to install.</source>
        <translation>또는 응용 프로그램을 클릭하여 설치하세요.</translation>
    </message>
    <message>
        <source>Installing Quelta…</source>
        <translation>Quelta 설치 중…</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>다시 시도</translation>
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
        <source>Quelta is ready in Applications.</source>
        <translation>Quelta가 응용 프로그램에 준비되었습니다.</translation>
    </message>
    <message>
        <source>Drag Quelta into Applications to get started.</source>
        <translation>시작하려면 Quelta를 응용 프로그램으로 드래그하세요.</translation>
    </message>
</context>
</TS>
