<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
    <context>
        <name>Calibration</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Failed to open %1
%2</translation>
        </message>
    </context>
    <context>
        <name>Kestrova</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Failed to open %1
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
            <translation>Assessor</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Institution</source>
            <translation>Institution</translation>
        </message>
        <message>
            <source>Patient Name :</source>
            <translation>Patient Name :</translation>
        </message>
        <message>
            <source>With instruction</source>
            <translation>With instruction</translation>
        </message>
        <message>
            <source>With training</source>
            <translation>With training</translation>
        </message>
        <message>
            <source>Fixed duration</source>
            <translation>Fixed duration</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameters</translation>
        </message>
        <message>
            <source>Subtasks</source>
            <translation>Subtasks</translation>
        </message>
        <message>
            <source>Sessions</source>
            <translation>Sessions</translation>
        </message>
        <message>
            <source>Visual recognition task</source>
            <translation>Visual recognition task</translation>
        </message>
        <message>
            <source>Central cue attention task</source>
            <translation>Central cue attention task</translation>
        </message>
        <message>
            <source>Movement detection task</source>
            <translation>Movement detection task</translation>
        </message>
        <message>
            <source>Working memory task</source>
            <translation>Working memory task</translation>
        </message>
        <message>
            <source>Central visual perception</source>
            <translation>Central visual perception</translation>
        </message>
        <message>
            <source>Peripheral visual perception</source>
            <translation>Peripheral visual perception</translation>
        </message>
        <message>
            <source>Dual task processing</source>
            <translation>Dual task processing</translation>
        </message>
        <message>
            <source>File</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Users</source>
            <translation>Users</translation>
        </message>
        <message>
            <source>Archive</source>
            <translation>Archive</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>About Kestrova</source>
            <translation>About Kestrova</translation>
        </message>
        <message>
            <source>Preferences...</source>
            <translation>Preferences...</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Add patient...</source>
            <translation>Add patient...</translation>
        </message>
        <message>
            <source>Assessor...</source>
            <translation>Assessor...</translation>
        </message>
        <message>
            <source>Previous reports</source>
            <translation>Previous reports</translation>
        </message>
        <message>
            <source>Instruction book</source>
            <translation>Instruction book</translation>
        </message>
        <message>
            <source>Video instructions</source>
            <translation>Video instructions</translation>
        </message>
        <message>
            <source>Publications</source>
            <translation>Publications</translation>
        </message>
    </context>
</TS>
