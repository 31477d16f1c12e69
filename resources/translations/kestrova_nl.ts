<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_GB">
    <context>
        <name>Calibration</name>
        <message>
            <source>Error</source>
            <translation>Fout</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Kan %1 niet openen
%2</translation>
        </message>
    </context>
    <context>
        <name>Kestrova</name>
        <message>
            <source>Error</source>
            <translation>Fout</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Kan %1 niet openen
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
            <translation>Versie :</translation>
        </message>
        <message>
            <source>Assessor</source>
            <translation>Onderzoeker</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>Institution</source>
            <translation>Instelling</translation>
        </message>
        <message>
            <source>Patient Name :</source>
            <translation>Naam patiënt :</translation>
        </message>
        <message>
            <source>With instruction</source>
            <translation>Met instructie</translation>
        </message>
        <message>
            <source>With training</source>
            <translation>Met oefening</translation>
        </message>
        <message>
            <source>Fixed duration</source>
            <translation>Vaste duur</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameters</translation>
        </message>
        <message>
            <source>Subtasks</source>
            <translation>Deeltaken</translation>
        </message>
        <message>
            <source>Sessions</source>
            <translation>Sessies</translation>
        </message>
        <message>
            <source>Visual recognition task</source>
            <translation>Visuele herkenning</translation>
        </message>
        <message>
            <source>Central cue attention task</source>
            <translation>Aandacht met centrale cue</translation>
        </message>
        <message>
            <source>Movement detection task</source>
            <translation>Bewegingsdetectie</translation>
        </message>
        <message>
            <source>Working memory task</source>
            <translation>Werkgeheugen</translation>
        </message>
        <message>
            <source>Central visual perception</source>
            <translation>Centrale visuele waarneming</translation>
        </message>
        <message>
            <source>Peripheral visual perception</source>
            <translation>Perifere visuele waarneming</translation>
        </message>
        <message>
            <source>Dual task processing</source>
            <translation>Dubbeltaak</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Bestand</translation>
        </message>
        <message>
            <source>Users</source>
            <translation>Gebruikers</translation>
        </message>
        <message>
            <source>Archive</source>
            <translation>Archief</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>About Kestrova</source>
            <translation>Over Kestrova</translation>
        </message>
        <message>
            <source>Preferences...</source>
            <translation>Voorkeuren...</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Afsluiten</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Add patient...</source>
            <translation>Patiënt toevoegen...</translation>
        </message>
        <message>
            <source>Assessor...</source>
            <translation>Onderzoeker...</translation>
        </message>
        <message>
            <source>Previous reports</source>
            <translation>Eerdere rapporten</translation>
        </message>
        <message>
            <source>Instruction book</source>
            <translation>Handleiding</translation>
        </message>
        <message>
            <source>Video instructions</source>
            <translation>Video-instructies</translation>
        </message>
        <message>
            <source>Publications</source>
            <translation>Publicaties</translation>
        </message>
    </context>
</TS>
