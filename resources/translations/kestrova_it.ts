<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
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
</TS>
