<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
    <context>
        <name>Assessor</name>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossibile aprire %1
%2</translation>
        </message>
    </context>
    <context>
        <name>AssessorClass</name>
        <message>
            <source>Assessor</source>
            <translation>Esaminatore</translation>
        </message>
        <message>
            <source>Title :</source>
            <translation>Titolo :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Sig.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Sig.ra</translation>
        </message>
        <message>
            <source>Dr.</source>
            <translation>Dott.</translation>
        </message>
        <message>
            <source>Prof.</source>
            <translation>Prof.</translation>
        </message>
        <message>
            <source>Last Name :</source>
            <translation>Cognome :</translation>
        </message>
        <message>
            <source>First Name :</source>
            <translation>Nome :</translation>
        </message>
        <message>
            <source>Institution :</source>
            <translation>Istituto :</translation>
        </message>
        <message>
            <source>Street :</source>
            <translation>Via :</translation>
        </message>
        <message>
            <source>Postal Code :</source>
            <translation>CAP :</translation>
        </message>
        <message>
            <source>City :</source>
            <translation>Città :</translation>
        </message>
        <message>
            <source>Country :</source>
            <translation>Paese :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>Calibration</name>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossibile aprire %1
%2</translation>
        </message>
        <message>
            <source>Please enter value in mm</source>
            <translation>Inserire il valore in mm</translation>
        </message>
    </context>
    <context>
        <name>CalibrationCheck</name>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>The screen is not calibrated yet.
Please calibrate it first: File &gt; Preferences... &gt; Re calibrate.</source>
            <translation>Lo schermo non è ancora calibrato.
Calibrarlo prima: File &gt; Preferenze... &gt; Ricalibrare.</translation>
        </message>
    </context>
    <context>
        <name>CalibrationClass</name>
        <message>
            <source>Calibration</source>
            <translation>Calibrazione</translation>
        </message>
        <message>
            <source>Horizontal calibration
Enter the value of the line in mm :</source>
            <translation>Calibrazione orizzontale
Inserire la lunghezza della linea in mm :</translation>
        </message>
        <message>
            <source>Vertical calibration
Enter the value of the line in mm :</source>
            <translation>Calibrazione verticale
Inserire la lunghezza della linea in mm :</translation>
        </message>
    </context>
    <context>
        <name>Identity</name>
        <message>
            <source>"%1" must not be empty.</source>
            <translation>«%1» non può essere vuoto.</translation>
        </message>
        <message>
            <source>"%1" must not contain a line break.</source>
            <translation>«%1» non può contenere un a capo.</translation>
        </message>
        <message>
            <source>"%1" must not be "%2".</source>
            <translation>«%1» non può essere «%2».</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2".</source>
            <translation>«%1» non può contenere il carattere «%2».</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2", which the records cannot hold.</source>
            <translation>«%1» non può contenere il carattere «%2», che i file non possono registrare.</translation>
        </message>
    </context>
    <context>
        <name>Kestrova</name>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossibile aprire %1
%2</translation>
        </message>
        <message>
            <source>Unable to find </source>
            <translation>Impossibile trovare </translation>
        </message>
        <message>
            <source>Ouvrir</source>
            <translation>Apri</translation>
        </message>
        <message>
            <source>Previous reports (*.pdf)</source>
            <translation>Referti precedenti (*.pdf)</translation>
        </message>
        <message>
            <source>Unable to open the file...</source>
            <translation>Impossibile aprire il file...</translation>
        </message>
        <message>
            <source>No program to open PDF files is installed.</source>
            <translation>Non è installato alcun programma per aprire i file PDF.</translation>
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
            <translation>Versione :</translation>
        </message>
        <message>
            <source>Assessor</source>
            <translation>Esaminatore</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>Institution</source>
            <translation>Istituto</translation>
        </message>
        <message>
            <source>Patient Name :</source>
            <translation>Nome del paziente :</translation>
        </message>
        <message>
            <source>With instruction</source>
            <translation>Con istruzioni</translation>
        </message>
        <message>
            <source>With training</source>
            <translation>Con allenamento</translation>
        </message>
        <message>
            <source>Fixed duration</source>
            <translation>Durata fissa</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parametri</translation>
        </message>
        <message>
            <source>Subtasks</source>
            <translation>Sottocompiti</translation>
        </message>
        <message>
            <source>Sessions</source>
            <translation>Sessioni</translation>
        </message>
        <message>
            <source>Visual recognition task</source>
            <translation>Riconoscimento visivo</translation>
        </message>
        <message>
            <source>Central cue attention task</source>
            <translation>Attenzione con indizio centrale</translation>
        </message>
        <message>
            <source>Movement detection task</source>
            <translation>Rilevamento del movimento</translation>
        </message>
        <message>
            <source>Working memory task</source>
            <translation>Memoria di lavoro</translation>
        </message>
        <message>
            <source>Central visual perception</source>
            <translation>Percezione visiva centrale</translation>
        </message>
        <message>
            <source>Peripheral visual perception</source>
            <translation>Percezione visiva periferica</translation>
        </message>
        <message>
            <source>Dual task processing</source>
            <translation>Doppio compito</translation>
        </message>
        <message>
            <source>File</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Users</source>
            <translation>Utenti</translation>
        </message>
        <message>
            <source>Archive</source>
            <translation>Archivio</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aiuto</translation>
        </message>
        <message>
            <source>About Kestrova</source>
            <translation>Informazioni su Kestrova</translation>
        </message>
        <message>
            <source>Preferences...</source>
            <translation>Preferenze...</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Esci</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Add patient...</source>
            <translation>Aggiungi paziente...</translation>
        </message>
        <message>
            <source>Assessor...</source>
            <translation>Esaminatore...</translation>
        </message>
        <message>
            <source>Previous reports</source>
            <translation>Referti precedenti</translation>
        </message>
        <message>
            <source>Instruction book</source>
            <translation>Manuale d'uso</translation>
        </message>
        <message>
            <source>Video instructions</source>
            <translation>Istruzioni video</translation>
        </message>
        <message>
            <source>Publications</source>
            <translation>Pubblicazioni</translation>
        </message>
    </context>
    <context>
        <name>NewPatient</name>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
    </context>
    <context>
        <name>NewPatientClass</name>
        <message>
            <source>NewPatient</source>
            <translation>Nuovo paziente</translation>
        </message>
        <message>
            <source>Gender :</source>
            <translation>Titolo :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Sig.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Sig.ra</translation>
        </message>
        <message>
            <source>Last Name / study :</source>
            <translation>Cognome / studio :</translation>
        </message>
        <message>
            <source>First Name  / id :</source>
            <translation>Nome  / id :</translation>
        </message>
        <message>
            <source>Date of birth :</source>
            <translation>Data di nascita :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>PageView</name>
        <message>
            <source>Unable to open file</source>
            <translation>Impossibile aprire il file</translation>
        </message>
    </context>
    <context>
        <name>PreferencesClass</name>
        <message>
            <source>Preferences</source>
            <translation>Preferenze</translation>
        </message>
        <message>
            <source>Screen resolution :</source>
            <translation>Risoluzione dello schermo :</translation>
        </message>
        <message>
            <source>X</source>
            <translation>X</translation>
        </message>
        <message>
            <source>pixels</source>
            <translation>pixel</translation>
        </message>
        <message>
            <source>Horizontal pixel size :</source>
            <translation>Dimensione orizzontale del pixel :</translation>
        </message>
        <message>
            <source>µm</source>
            <translation>µm</translation>
        </message>
        <message>
            <source>Re calibrate</source>
            <translation>Ricalibrare</translation>
        </message>
        <message>
            <source>Vertical pixel size :</source>
            <translation>Dimensione verticale del pixel :</translation>
        </message>
        <message>
            <source>Screen frequency :</source>
            <translation>Frequenza dello schermo :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>Result</name>
        <message>
            <source>The report could not be printed.</source>
            <translation>Non è stato possibile stampare il referto.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Impossibile scrivere %1
%2</translation>
        </message>
        <message>
            <source>Print Document</source>
            <translation>Stampa documento</translation>
        </message>
    </context>
    <context>
        <name>ResultClass</name>
        <message>
            <source>Result</source>
            <translation>Risultato</translation>
        </message>
    </context>
    <context>
        <name>TaskRecords</name>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossibile aprire %1
%2</translation>
        </message>
        <message>
            <source>Failed to create %1
%2</source>
            <translation>Impossibile creare %1
%2</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Impossibile scrivere %1
%2</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
    </context>
    <context>
        <name>Test1</name>
        <message>
            <source>Visual
recognition</source>
            <translation>Riconoscimento
visivo</translation>
        </message>
        <message>
            <source>Central
vision</source>
            <translation>Visione
centrale</translation>
        </message>
        <message>
            <source>Peripheral
vision</source>
            <translation>Visione
periferica</translation>
        </message>
        <message>
            <source>Dual task</source>
            <translation>Doppio compito</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Esempio</translation>
        </message>
        <message>
            <source>The screen is not calibrated.
Please calibrate it first (Preferences).</source>
            <translation>Lo schermo non è calibrato.
Calibrarlo prima (Preferenze).</translation>
        </message>
        <message>
            <source>Unable to start!
Please undergo training!</source>
            <translation>Impossibile iniziare!
Eseguire prima l'allenamento!</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Exposure time &gt; 4633ms
Check visual fields and
start training over again for this subtask</source>
            <translation>Tempo di esposizione &gt; 4633ms
Controllare il campo visivo e
ripetere l'allenamento di questo sottocompito</translation>
        </message>
        <message>
            <source>Unstable measures, please start task over again</source>
            <translation>Misure instabili, ripetere il compito</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Impossibile scrivere %1
%2</translation>
        </message>
    </context>
    <context>
        <name>Test1Class</name>
        <message>
            <source>Visual recognition task</source>
            <translation>Riconoscimento visivo</translation>
        </message>
        <message>
            <source>Identical</source>
            <translation>Identiche</translation>
        </message>
        <message>
            <source>Shape</source>
            <translation>Forma</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contrasto</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Orientamento</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Dimensione</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>VIA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continua</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principale</translation>
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
            <translation>Numero</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Ciclo :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Compito :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Sottocompito :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N. :</translation>
        </message>
        <message>
            <source>No S1 :</source>
            <translation>N. S1 :</translation>
        </message>
        <message>
            <source>No S2 :</source>
            <translation>N. S2 :</translation>
        </message>
        <message>
            <source>No S3 :</source>
            <translation>N. S3 :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Risultato :</translation>
        </message>
        <message>
            <source>Smaller</source>
            <translation>Riduzione</translation>
        </message>
        <message>
            <source>Separator</source>
            <translation>Distanza</translation>
        </message>
        <message>
            <source>Arrow</source>
            <translation>Freccia</translation>
        </message>
        <message>
            <source>Ratio</source>
            <translation>Rapporto</translation>
        </message>
        <message>
            <source>Radius</source>
            <translation>Raggio</translation>
        </message>
        <message>
            <source>Pitch H :</source>
            <translation>Passo O :</translation>
        </message>
        <message>
            <source>Pitch V :</source>
            <translation>Passo V :</translation>
        </message>
    </context>
    <context>
        <name>Test2</name>
        <message>
            <source>Attention
neutral</source>
            <translation>Attenzione
neutra</translation>
        </message>
        <message>
            <source>Attention
alerted</source>
            <translation>Attenzione
allertata</translation>
        </message>
        <message>
            <source>Attention
oriented</source>
            <translation>Attenzione
orientata</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Esempio</translation>
        </message>
    </context>
    <context>
        <name>Test2Class</name>
        <message>
            <source>Central cue attention task</source>
            <translation>Attenzione con indizio centrale</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>VIA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continua</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principale</translation>
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
            <translation>Timer_TR</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Timer_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Numero</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Ciclo :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Passo :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Compito :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Sottocompito :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N. :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Risultato :</translation>
        </message>
        <message>
            <source>RT_delta :</source>
            <translation>TR_delta :</translation>
        </message>
    </context>
    <context>
        <name>Test3</name>
        <message>
            <source>Movement
detection</source>
            <translation>Rilevamento
del movimento</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Esempio</translation>
        </message>
    </context>
    <context>
        <name>Test3Class</name>
        <message>
            <source>Movement detection task</source>
            <translation>Rilevamento del movimento</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>VIA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continua</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principale</translation>
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
            <translation>Timer mov.</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Numero</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Ciclo :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Passo :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Compito :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Sottocompito :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N. :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Risultato :</translation>
        </message>
        <message>
            <source>Elapsed :</source>
            <translation>Trascorso :</translation>
        </message>
        <message>
            <source>RT_delta :</source>
            <translation>TR_delta :</translation>
        </message>
    </context>
    <context>
        <name>Test4</name>
        <message>
            <source>Memory</source>
            <translation>Memoria</translation>
        </message>
        <message>
            <source>First localisation to remember</source>
            <translation>Prima posizione da ricordare</translation>
        </message>
        <message>
            <source>Second localisation</source>
            <translation>Seconda posizione</translation>
        </message>
        <message>
            <source>Third localisation</source>
            <translation>Terza posizione</translation>
        </message>
        <message>
            <source>Fourth and last localisation</source>
            <translation>Quarta e ultima posizione</translation>
        </message>
    </context>
    <context>
        <name>Test4Class</name>
        <message>
            <source>First Cross ?</source>
            <translation>Prima croce ?</translation>
        </message>
        <message>
            <source>Last Cross ?</source>
            <translation>Ultima croce ?</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>VIA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continua</translation>
        </message>
        <message>
            <source>C</source>
            <translation>C</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principale</translation>
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
            <translation>Numero</translation>
        </message>
        <message>
            <source>Horz pitch :</source>
            <translation>Passo or. :</translation>
        </message>
        <message>
            <source>Vert pitch :</source>
            <translation>Passo vert. :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Compito :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N. :</translation>
        </message>
        <message>
            <source>Pos First :</source>
            <translation>Pos. prima :</translation>
        </message>
        <message>
            <source>Dist First :</source>
            <translation>Dist. prima :</translation>
        </message>
        <message>
            <source>Pos Last :</source>
            <translation>Pos. ult. :</translation>
        </message>
        <message>
            <source>Dist Last :</source>
            <translation>Dist. ult. :</translation>
        </message>
    </context>
    <context>
        <name>WebViewerClass</name>
        <message>
            <source>WebViewer</source>
            <translation>Visualizzatore</translation>
        </message>
    </context>
</TS>
