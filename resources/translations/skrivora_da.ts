<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Texts of Qt's own dialogs that Qt's Danish catalogue leaves in English or puts in words a Danish
     dictionary does not know. The program loads this catalogue after Qt's, so an entry here overrides
     Qt's own where both have one. -->
<TS version="2.1" language="da_DK">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Drev</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Genvej</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukendt</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Parent Directory</source>
        <translation>Overordnet mappe</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Output Settings</source>
        <translation>Udskriftsindstillinger</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dobbeltsidet udskrift</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Indbinding langs den lange kant</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Indbinding langs den korte kant</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Output &amp;file:</source>
        <translation>Udskrifts&amp;fil:</translation>
    </message>
</context>
</TS>
