<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
    <context>
        <name>Calibration</name>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>%1 konnte nicht geöffnet werden
%2</translation>
        </message>
    </context>
    <context>
        <name>Kestrova</name>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>%1 konnte nicht geöffnet werden
%2</translation>
        </message>
    </context>
    <context>
        <name>KestrovaClass</name>
        <message>
            <source>Kestrova</source>
            <translation>Kestrova</translation>
        </message>
        <message>
            <source>Version :</source>
            <translation>Version :</translation>
        </message>
        <message>
            <source>Assessor</source>
            <translation>Untersucher</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Institution</source>
            <translation>Einrichtung</translation>
        </message>
        <message>
            <source>Patient Name :</source>
            <translation>Patientenname :</translation>
        </message>
        <message>
            <source>With instruction</source>
            <translation>Mit Instruktion</translation>
        </message>
        <message>
            <source>With training</source>
            <translation>Mit Übung</translation>
        </message>
        <message>
            <source>Fixed duration</source>
            <translation>Feste Dauer</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Subtasks</source>
            <translation>Teilaufgaben</translation>
        </message>
        <message>
            <source>Sessions</source>
            <translation>Sitzungen</translation>
        </message>
        <message>
            <source>Visual recognition task</source>
            <translation>Visuelle Erkennung</translation>
        </message>
        <message>
            <source>Central cue attention task</source>
            <translation>Aufmerksamkeit mit zentralem Hinweis</translation>
        </message>
        <message>
            <source>Movement detection task</source>
            <translation>Bewegungserkennung</translation>
        </message>
        <message>
            <source>Working memory task</source>
            <translation>Arbeitsgedächtnis</translation>
        </message>
        <message>
            <source>Central visual perception</source>
            <translation>Zentrale visuelle Wahrnehmung</translation>
        </message>
        <message>
            <source>Peripheral visual perception</source>
            <translation>Periphere visuelle Wahrnehmung</translation>
        </message>
        <message>
            <source>Dual task processing</source>
            <translation>Doppelaufgabe</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Users</source>
            <translation>Benutzer</translation>
        </message>
        <message>
            <source>Archive</source>
            <translation>Archiv</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>About Kestrova</source>
            <translation>Über Kestrova</translation>
        </message>
        <message>
            <source>Preferences...</source>
            <translation>Einstellungen...</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Add patient...</source>
            <translation>Patient hinzufügen...</translation>
        </message>
        <message>
            <source>Assessor...</source>
            <translation>Untersucher...</translation>
        </message>
        <message>
            <source>Previous reports</source>
            <translation>Frühere Berichte</translation>
        </message>
        <message>
            <source>Instruction book</source>
            <translation>Handbuch</translation>
        </message>
        <message>
            <source>Video instructions</source>
            <translation>Videoanleitungen</translation>
        </message>
        <message>
            <source>Publications</source>
            <translation>Publikationen</translation>
        </message>
    </context>
</TS>
