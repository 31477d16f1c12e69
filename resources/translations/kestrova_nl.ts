<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_GB">
    <context>
        <name>Assessor</name>
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
        <name>AssessorClass</name>
        <message>
            <source>Assessor</source>
            <translation>Onderzoeker</translation>
        </message>
        <message>
            <source>Title :</source>
            <translation>Titel :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Dhr.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Mevr.</translation>
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
            <translation>Achternaam :</translation>
        </message>
        <message>
            <source>First Name :</source>
            <translation>Voornaam :</translation>
        </message>
        <message>
            <source>Institution :</source>
            <translation>Instelling :</translation>
        </message>
        <message>
            <source>Street :</source>
            <translation>Straat :</translation>
        </message>
        <message>
            <source>Postal Code :</source>
            <translation>Postcode :</translation>
        </message>
        <message>
            <source>City :</source>
            <translation>Plaats :</translation>
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
            <translation>Annuleren</translation>
        </message>
    </context>
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
        <message>
            <source>Please enter value in mm</source>
            <translation>Voer de waarde in mm in</translation>
        </message>
    </context>
    <context>
        <name>CalibrationCheck</name>
        <message>
            <source>Error</source>
            <translation>Fout</translation>
        </message>
        <message>
            <source>The screen is not calibrated yet.
Please calibrate it first: File &gt; Preferences... &gt; Re calibrate.</source>
            <translation>Het scherm is nog niet gekalibreerd.
Kalibreer het eerst: Bestand &gt; Voorkeuren... &gt; Opnieuw kalibreren.</translation>
        </message>
    </context>
    <context>
        <name>CalibrationClass</name>
        <message>
            <source>Calibration</source>
            <translation>Kalibratie</translation>
        </message>
        <message>
            <source>Horizontal calibration
Enter the value of the line in mm :</source>
            <translation>Horizontale kalibratie
Voer de lengte van de lijn in mm in :</translation>
        </message>
        <message>
            <source>Vertical calibration
Enter the value of the line in mm :</source>
            <translation>Verticale kalibratie
Voer de lengte van de lijn in mm in :</translation>
        </message>
    </context>
    <context>
        <name>Identity</name>
        <message>
            <source>"%1" must not be empty.</source>
            <translation>‘%1’ mag niet leeg zijn.</translation>
        </message>
        <message>
            <source>"%1" must not contain a line break.</source>
            <translation>‘%1’ mag geen regeleinde bevatten.</translation>
        </message>
        <message>
            <source>"%1" must not be "%2".</source>
            <translation>‘%1’ mag niet ‘%2’ zijn.</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2".</source>
            <translation>‘%1’ mag het teken ‘%2’ niet bevatten.</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2", which the records cannot hold.</source>
            <translation>‘%1’ mag het teken ‘%2’ niet bevatten, dat de bestanden niet kunnen opslaan.</translation>
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
        <message>
            <source>Unable to find </source>
            <translation>Kan niet vinden: </translation>
        </message>
        <message>
            <source>Ouvrir</source>
            <translation>Openen</translation>
        </message>
        <message>
            <source>Previous reports (*.pdf)</source>
            <translation>Eerdere rapporten (*.pdf)</translation>
        </message>
        <message>
            <source>Unable to open the file...</source>
            <translation>Kan het bestand niet openen...</translation>
        </message>
        <message>
            <source>No program to open PDF files is installed.</source>
            <translation>Er is geen programma geïnstalleerd om PDF-bestanden te openen.</translation>
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
    <context>
        <name>NewPatient</name>
        <message>
            <source>Error</source>
            <translation>Fout</translation>
        </message>
    </context>
    <context>
        <name>NewPatientClass</name>
        <message>
            <source>NewPatient</source>
            <translation>Nieuwe patiënt</translation>
        </message>
        <message>
            <source>Gender :</source>
            <translation>Aanhef :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Dhr.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Mevr.</translation>
        </message>
        <message>
            <source>Last Name / study :</source>
            <translation>Achternaam / studie :</translation>
        </message>
        <message>
            <source>First Name  / id :</source>
            <translation>Voornaam  / id :</translation>
        </message>
        <message>
            <source>Date of birth :</source>
            <translation>Geboortedatum :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuleren</translation>
        </message>
    </context>
    <context>
        <name>PageView</name>
        <message>
            <source>Unable to open file</source>
            <translation>Kan bestand niet openen</translation>
        </message>
    </context>
    <context>
        <name>PreferencesClass</name>
        <message>
            <source>Preferences</source>
            <translation>Voorkeuren</translation>
        </message>
        <message>
            <source>Screen resolution :</source>
            <translation>Schermresolutie :</translation>
        </message>
        <message>
            <source>X</source>
            <translation>X</translation>
        </message>
        <message>
            <source>pixels</source>
            <translation>pixels</translation>
        </message>
        <message>
            <source>Horizontal pixel size :</source>
            <translation>Horizontale pixelgrootte :</translation>
        </message>
        <message>
            <source>µm</source>
            <translation>µm</translation>
        </message>
        <message>
            <source>Re calibrate</source>
            <translation>Opnieuw kalibreren</translation>
        </message>
        <message>
            <source>Vertical pixel size :</source>
            <translation>Verticale pixelgrootte :</translation>
        </message>
        <message>
            <source>Screen frequency :</source>
            <translation>Schermfrequentie :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuleren</translation>
        </message>
    </context>
    <context>
        <name>Result</name>
        <message>
            <source>The report could not be printed.</source>
            <translation>Het rapport kon niet worden afgedrukt.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fout</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Kan %1 niet schrijven
%2</translation>
        </message>
        <message>
            <source>Print Document</source>
            <translation>Document afdrukken</translation>
        </message>
    </context>
    <context>
        <name>ResultClass</name>
        <message>
            <source>Result</source>
            <translation>Resultaat</translation>
        </message>
    </context>
    <context>
        <name>TaskRecords</name>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Kan %1 niet openen
%2</translation>
        </message>
        <message>
            <source>Failed to create %1
%2</source>
            <translation>Kan %1 niet aanmaken
%2</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Kan %1 niet schrijven
%2</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fout</translation>
        </message>
    </context>
    <context>
        <name>Test1</name>
        <message>
            <source>Visual
recognition</source>
            <translation>Visuele
herkenning</translation>
        </message>
        <message>
            <source>Central
vision</source>
            <translation>Centraal
zien</translation>
        </message>
        <message>
            <source>Peripheral
vision</source>
            <translation>Perifeer
zien</translation>
        </message>
        <message>
            <source>Dual task</source>
            <translation>Dubbeltaak</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Voorbeeld</translation>
        </message>
        <message>
            <source>The screen is not calibrated.
Please calibrate it first (Preferences).</source>
            <translation>Het scherm is niet gekalibreerd.
Eerst kalibreren (Voorkeuren).</translation>
        </message>
        <message>
            <source>Unable to start!
Please undergo training!</source>
            <translation>Starten niet mogelijk!
Eerst de training doen!</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fout</translation>
        </message>
        <message>
            <source>Exposure time &gt; 4633ms
Check visual fields and
start training over again for this subtask</source>
            <translation>Aanbiedingstijd &gt; 4633ms
Controleer het gezichtsveld en
begin de training van deze deeltaak opnieuw</translation>
        </message>
        <message>
            <source>Unstable measures, please start task over again</source>
            <translation>Onstabiele metingen, begin de taak opnieuw</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Kan %1 niet schrijven
%2</translation>
        </message>
    </context>
    <context>
        <name>Test1Class</name>
        <message>
            <source>Visual recognition task</source>
            <translation>Visuele herkenning</translation>
        </message>
        <message>
            <source>Identical</source>
            <translation>Gelijk</translation>
        </message>
        <message>
            <source>Shape</source>
            <translation>Vorm</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contrast</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Oriëntatie</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Grootte</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>START</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Verder</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hoofdmenu</translation>
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
            <translation>Aantal</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Cyclus :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Taak :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Deeltaak :</translation>
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
            <translation>Resultaat :</translation>
        </message>
        <message>
            <source>Smaller</source>
            <translation>Verkleining</translation>
        </message>
        <message>
            <source>Separator</source>
            <translation>Afstand</translation>
        </message>
        <message>
            <source>Arrow</source>
            <translation>Pijl</translation>
        </message>
        <message>
            <source>Ratio</source>
            <translation>Verhouding</translation>
        </message>
        <message>
            <source>Radius</source>
            <translation>Straal</translation>
        </message>
        <message>
            <source>Pitch H :</source>
            <translation>Pitch H :</translation>
        </message>
        <message>
            <source>Pitch V :</source>
            <translation>Pitch V :</translation>
        </message>
    </context>
    <context>
        <name>Test2</name>
        <message>
            <source>Attention
neutral</source>
            <translation>Aandacht
neutraal</translation>
        </message>
        <message>
            <source>Attention
alerted</source>
            <translation>Aandacht
gealarmeerd</translation>
        </message>
        <message>
            <source>Attention
oriented</source>
            <translation>Aandacht
gericht</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Voorbeeld</translation>
        </message>
    </context>
    <context>
        <name>Test2Class</name>
        <message>
            <source>Central cue attention task</source>
            <translation>Aandacht met centrale cue</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>START</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Verder</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hoofdmenu</translation>
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
            <translation>Timer_RT</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Timer_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Aantal</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Cyclus :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Pitch :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Taak :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Deeltaak :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>Nr. :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Resultaat :</translation>
        </message>
        <message>
            <source>RT_delta :</source>
            <translation>RT_delta :</translation>
        </message>
    </context>
    <context>
        <name>Test3</name>
        <message>
            <source>Movement
detection</source>
            <translation>Bewegings-
detectie</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Voorbeeld</translation>
        </message>
    </context>
    <context>
        <name>Test3Class</name>
        <message>
            <source>Movement detection task</source>
            <translation>Bewegingsdetectie</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>START</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Verder</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hoofdmenu</translation>
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
            <translation>Timer bew.</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Aantal</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Cyclus :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Pitch :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Taak :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Deeltaak :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>Nr. :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Resultaat :</translation>
        </message>
        <message>
            <source>Elapsed :</source>
            <translation>Verstreken :</translation>
        </message>
        <message>
            <source>RT_delta :</source>
            <translation>RT_delta :</translation>
        </message>
    </context>
    <context>
        <name>Test4</name>
        <message>
            <source>Memory</source>
            <translation>Geheugen</translation>
        </message>
        <message>
            <source>First localisation to remember</source>
            <translation>Eerste positie om te onthouden</translation>
        </message>
        <message>
            <source>Second localisation</source>
            <translation>Tweede positie</translation>
        </message>
        <message>
            <source>Third localisation</source>
            <translation>Derde positie</translation>
        </message>
        <message>
            <source>Fourth and last localisation</source>
            <translation>Vierde en laatste positie</translation>
        </message>
    </context>
    <context>
        <name>Test4Class</name>
        <message>
            <source>First Cross ?</source>
            <translation>Eerste kruis ?</translation>
        </message>
        <message>
            <source>Last Cross ?</source>
            <translation>Laatste kruis ?</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>START</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Verder</translation>
        </message>
        <message>
            <source>C</source>
            <translation>C</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Hoofdmenu</translation>
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
            <translation>Aantal</translation>
        </message>
        <message>
            <source>Horz pitch :</source>
            <translation>Pitch hor. :</translation>
        </message>
        <message>
            <source>Vert pitch :</source>
            <translation>Pitch vert. :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Taak :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>Nr. :</translation>
        </message>
        <message>
            <source>Pos First :</source>
            <translation>Pos. 1e :</translation>
        </message>
        <message>
            <source>Dist First :</source>
            <translation>Afst. 1e :</translation>
        </message>
        <message>
            <source>Pos Last :</source>
            <translation>Pos. l. :</translation>
        </message>
        <message>
            <source>Dist Last :</source>
            <translation>Afst. l. :</translation>
        </message>
    </context>
    <context>
        <name>WebViewerClass</name>
        <message>
            <source>WebViewer</source>
            <translation>Documentviewer</translation>
        </message>
    </context>
</TS>
