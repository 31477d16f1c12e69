<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
    <context>
        <name>Assessor</name>
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
        <name>AssessorClass</name>
        <message>
            <source>Assessor</source>
            <translation>Untersucher</translation>
        </message>
        <message>
            <source>Title :</source>
            <translation>Titel :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Herr</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>Dr.</source>
            <translation>Dr.</translation>
        </message>
        <message>
            <source>Prof.</source>
            <translation>Prof.</translation>
        </message>
        <message>
            <source>Last Name :</source>
            <translation>Nachname :</translation>
        </message>
        <message>
            <source>First Name :</source>
            <translation>Vorname :</translation>
        </message>
        <message>
            <source>Institution :</source>
            <translation>Einrichtung :</translation>
        </message>
        <message>
            <source>Street :</source>
            <translation>Straße :</translation>
        </message>
        <message>
            <source>Postal Code :</source>
            <translation>Postleitzahl :</translation>
        </message>
        <message>
            <source>City :</source>
            <translation>Ort :</translation>
        </message>
        <message>
            <source>Country :</source>
            <translation>Land :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
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
        <message>
            <source>Please enter value in mm</source>
            <translation>Bitte geben Sie den Wert in mm ein</translation>
        </message>
    </context>
    <context>
        <name>CalibrationCheck</name>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>The screen is not calibrated yet.
Please calibrate it first: File &gt; Preferences... &gt; Re calibrate.</source>
            <translation>Der Bildschirm ist noch nicht kalibriert.
Bitte kalibrieren Sie ihn zuerst: Datei &gt; Einstellungen... &gt; Neu kalibrieren.</translation>
        </message>
    </context>
    <context>
        <name>CalibrationClass</name>
        <message>
            <source>Calibration</source>
            <translation>Kalibrierung</translation>
        </message>
        <message>
            <source>Horizontal calibration
Enter the value of the line in mm :</source>
            <translation>Horizontale Kalibrierung
Geben Sie die Länge der Linie in mm ein :</translation>
        </message>
        <message>
            <source>Vertical calibration
Enter the value of the line in mm :</source>
            <translation>Vertikale Kalibrierung
Geben Sie die Länge der Linie in mm ein :</translation>
        </message>
    </context>
    <context>
        <name>Identity</name>
        <message>
            <source>"%1" must not be empty.</source>
            <translation>„%1“ darf nicht leer sein.</translation>
        </message>
        <message>
            <source>"%1" must not contain a line break.</source>
            <translation>„%1“ darf keinen Zeilenumbruch enthalten.</translation>
        </message>
        <message>
            <source>"%1" must not be "%2".</source>
            <translation>„%1“ darf nicht „%2“ sein.</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2".</source>
            <translation>„%1“ darf das Zeichen „%2“ nicht enthalten.</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2", which the records cannot hold.</source>
            <translation>„%1“ darf das Zeichen „%2“ nicht enthalten, das die Dateien nicht speichern können.</translation>
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
        <message>
            <source>Unable to find </source>
            <translation>Nicht gefunden: </translation>
        </message>
        <message>
            <source>Ouvrir</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Previous reports (*.pdf)</source>
            <translation>Frühere Berichte (*.pdf)</translation>
        </message>
        <message>
            <source>Unable to open the file...</source>
            <translation>Die Datei kann nicht geöffnet werden...</translation>
        </message>
        <message>
            <source>No program to open PDF files is installed.</source>
            <translation>Es ist kein Programm zum Öffnen von PDF-Dateien installiert.</translation>
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
    <context>
        <name>NewPatient</name>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
    </context>
    <context>
        <name>NewPatientClass</name>
        <message>
            <source>NewPatient</source>
            <translation>Neuer Patient</translation>
        </message>
        <message>
            <source>Gender :</source>
            <translation>Anrede :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Herr</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>Last Name / study :</source>
            <translation>Nachname / Studie :</translation>
        </message>
        <message>
            <source>First Name  / id :</source>
            <translation>Vorname  / ID :</translation>
        </message>
        <message>
            <source>Date of birth :</source>
            <translation>Geburtsdatum :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>PageView</name>
        <message>
            <source>Unable to open file</source>
            <translation>Datei kann nicht geöffnet werden</translation>
        </message>
    </context>
    <context>
        <name>PreferencesClass</name>
        <message>
            <source>Preferences</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Screen resolution :</source>
            <translation>Bildschirmauflösung :</translation>
        </message>
        <message>
            <source>X</source>
            <translation>X</translation>
        </message>
        <message>
            <source>pixels</source>
            <translation>Pixel</translation>
        </message>
        <message>
            <source>Horizontal pixel size :</source>
            <translation>Horizontale Pixelgröße :</translation>
        </message>
        <message>
            <source>µm</source>
            <translation>µm</translation>
        </message>
        <message>
            <source>Re calibrate</source>
            <translation>Neu kalibrieren</translation>
        </message>
        <message>
            <source>Vertical pixel size :</source>
            <translation>Vertikale Pixelgröße :</translation>
        </message>
        <message>
            <source>Screen frequency :</source>
            <translation>Bildwiederholfrequenz :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>Result</name>
        <message>
            <source>The report could not be printed.</source>
            <translation>Der Bericht konnte nicht gedruckt werden.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>%1 konnte nicht geschrieben werden
%2</translation>
        </message>
        <message>
            <source>Print Document</source>
            <translation>Dokument drucken</translation>
        </message>
    </context>
    <context>
        <name>ResultClass</name>
        <message>
            <source>Result</source>
            <translation>Ergebnis</translation>
        </message>
    </context>
    <context>
        <name>TaskRecords</name>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>%1 konnte nicht geöffnet werden
%2</translation>
        </message>
        <message>
            <source>Failed to create %1
%2</source>
            <translation>%1 konnte nicht angelegt werden
%2</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>%1 konnte nicht geschrieben werden
%2</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
    </context>
    <context>
        <name>Test1</name>
        <message>
            <source>Visual
recognition</source>
            <translation>Visuelles
Erkennen</translation>
        </message>
        <message>
            <source>Central
vision</source>
            <translation>Zentrales
Sehen</translation>
        </message>
        <message>
            <source>Peripheral
vision</source>
            <translation>Peripheres
Sehen</translation>
        </message>
        <message>
            <source>Dual task</source>
            <translation>Doppelaufgabe</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Beispiel</translation>
        </message>
        <message>
            <source>The screen is not calibrated.
Please calibrate it first (Preferences).</source>
            <translation>Der Bildschirm ist nicht kalibriert.
Bitte zuerst kalibrieren (Einstellungen).</translation>
        </message>
        <message>
            <source>Unable to start!
Please undergo training!</source>
            <translation>Start nicht möglich!
Bitte zuerst das Training durchführen!</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Exposure time &gt; 4633ms
Check visual fields and
start training over again for this subtask</source>
            <translation>Darbietungszeit &gt; 4633ms
Gesichtsfeld prüfen und
Training dieser Teilaufgabe neu beginnen</translation>
        </message>
        <message>
            <source>Unstable measures, please start task over again</source>
            <translation>Instabile Messwerte, bitte die Aufgabe neu beginnen</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>%1 konnte nicht geschrieben werden
%2</translation>
        </message>
    </context>
    <context>
        <name>Test1Class</name>
        <message>
            <source>Visual recognition task</source>
            <translation>Visuelle Erkennung</translation>
        </message>
        <message>
            <source>Identical</source>
            <translation>Gleich</translation>
        </message>
        <message>
            <source>Shape</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Kontrast</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Ausrichtung</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Größe</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>LOS</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Weiter</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hauptmenü</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Timer_01</translation>
        </message>
        <message>
            <source>Timer_S1</source>
            <translation>Timer_S1</translation>
        </message>
        <message>
            <source>Timer_S2</source>
            <translation>Timer_S2</translation>
        </message>
        <message>
            <source>Timer_S3</source>
            <translation>Timer_S3</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Timer_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Timer_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Timer_05</translation>
        </message>
        <message>
            <source>Timer_06</source>
            <translation>Timer_06</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Anzahl</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Zyklus :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Aufgabe :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Teilaufgabe :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>Nr. :</translation>
        </message>
        <message>
            <source>No S1 :</source>
            <translation>Nr. S1 :</translation>
        </message>
        <message>
            <source>No S2 :</source>
            <translation>Nr. S2 :</translation>
        </message>
        <message>
            <source>No S3 :</source>
            <translation>Nr. S3 :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Ergebnis :</translation>
        </message>
        <message>
            <source>Smaller</source>
            <translation>Verkleinerung</translation>
        </message>
        <message>
            <source>Separator</source>
            <translation>Abstand</translation>
        </message>
        <message>
            <source>Arrow</source>
            <translation>Pfeil</translation>
        </message>
        <message>
            <source>Ratio</source>
            <translation>Verhältnis</translation>
        </message>
        <message>
            <source>Radius</source>
            <translation>Radius</translation>
        </message>
        <message>
            <source>Pitch H :</source>
            <translation>Raster H :</translation>
        </message>
        <message>
            <source>Pitch V :</source>
            <translation>Raster V :</translation>
        </message>
    </context>
    <context>
        <name>Test2</name>
        <message>
            <source>Attention
neutral</source>
            <translation>Aufmerksamkeit
neutral</translation>
        </message>
        <message>
            <source>Attention
alerted</source>
            <translation>Aufmerksamkeit
mit Warnreiz</translation>
        </message>
        <message>
            <source>Attention
oriented</source>
            <translation>Aufmerksamkeit
gerichtet</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Beispiel</translation>
        </message>
    </context>
    <context>
        <name>Test2Class</name>
        <message>
            <source>Central cue attention task</source>
            <translation>Aufmerksamkeit mit zentralem Hinweis</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>LOS</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Weiter</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hauptmenü</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Timer_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Timer_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Timer_03</translation>
        </message>
        <message>
            <source>Timer_RT</source>
            <translation>Timer_RZ</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Timer_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Anzahl</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Zyklus :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Raster :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Aufgabe :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Teilaufgabe :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>Nr. :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Ergebnis :</translation>
        </message>
        <message>
            <source>RT_delta :</source>
            <translation>RZ_Delta :</translation>
        </message>
    </context>
    <context>
        <name>Test3</name>
        <message>
            <source>Movement
detection</source>
            <translation>Bewegungs-
erkennung</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Beispiel</translation>
        </message>
    </context>
    <context>
        <name>Test3Class</name>
        <message>
            <source>Movement detection task</source>
            <translation>Bewegungserkennung</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>LOS</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Weiter</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hauptmenü</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Timer_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Timer_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Timer_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Timer_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Timer_05</translation>
        </message>
        <message>
            <source>Timer_06</source>
            <translation>Timer_06</translation>
        </message>
        <message>
            <source>Timer Mov</source>
            <translation>Timer Bew.</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Anzahl</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Zyklus :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Raster :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Aufgabe :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Teilaufgabe :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>Nr. :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Ergebnis :</translation>
        </message>
        <message>
            <source>Elapsed :</source>
            <translation>Vergangen :</translation>
        </message>
        <message>
            <source>RT_delta :</source>
            <translation>RZ_Delta :</translation>
        </message>
    </context>
    <context>
        <name>Test4</name>
        <message>
            <source>Memory</source>
            <translation>Gedächtnis</translation>
        </message>
        <message>
            <source>First localisation to remember</source>
            <translation>Erste Position zum Merken</translation>
        </message>
        <message>
            <source>Second localisation</source>
            <translation>Zweite Position</translation>
        </message>
        <message>
            <source>Third localisation</source>
            <translation>Dritte Position</translation>
        </message>
        <message>
            <source>Fourth and last localisation</source>
            <translation>Vierte und letzte Position</translation>
        </message>
    </context>
    <context>
        <name>Test4Class</name>
        <message>
            <source>First Cross ?</source>
            <translation>Erstes Kreuz ?</translation>
        </message>
        <message>
            <source>Last Cross ?</source>
            <translation>Letztes Kreuz ?</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>LOS</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Weiter</translation>
        </message>
        <message>
            <source>C</source>
            <translation>C</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hauptmenü</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Timer_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Timer_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Timer_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Timer_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Timer_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Anzahl</translation>
        </message>
        <message>
            <source>Horz pitch :</source>
            <translation>Rast. hor. :</translation>
        </message>
        <message>
            <source>Vert pitch :</source>
            <translation>Rast. vert. :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Aufgabe :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>Nr. :</translation>
        </message>
        <message>
            <source>Pos First :</source>
            <translation>Pos. 1. :</translation>
        </message>
        <message>
            <source>Dist First :</source>
            <translation>Abst. 1. :</translation>
        </message>
        <message>
            <source>Pos Last :</source>
            <translation>Pos. l. :</translation>
        </message>
        <message>
            <source>Dist Last :</source>
            <translation>Abst. l. :</translation>
        </message>
    </context>
    <context>
        <name>WebViewerClass</name>
        <message>
            <source>WebViewer</source>
            <translation>Dokumentanzeige</translation>
        </message>
    </context>
</TS>
