<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
    <context>
        <name>Calibration</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>No se pudo abrir %1
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
            <translation>No se pudo abrir %1
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
            <translation>Versión :</translation>
        </message>
        <message>
            <source>Assessor</source>
            <translation>Evaluador</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Institution</source>
            <translation>Institución</translation>
        </message>
        <message>
            <source>Patient Name :</source>
            <translation>Nombre del paciente :</translation>
        </message>
        <message>
            <source>With instruction</source>
            <translation>Con instrucciones</translation>
        </message>
        <message>
            <source>With training</source>
            <translation>Con práctica</translation>
        </message>
        <message>
            <source>Fixed duration</source>
            <translation>Duración fija</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parámetros</translation>
        </message>
        <message>
            <source>Subtasks</source>
            <translation>Subtareas</translation>
        </message>
        <message>
            <source>Sessions</source>
            <translation>Sesiones</translation>
        </message>
        <message>
            <source>Visual recognition task</source>
            <translation>Reconocimiento visual</translation>
        </message>
        <message>
            <source>Central cue attention task</source>
            <translation>Atención con señal central</translation>
        </message>
        <message>
            <source>Movement detection task</source>
            <translation>Detección de movimiento</translation>
        </message>
        <message>
            <source>Working memory task</source>
            <translation>Memoria de trabajo</translation>
        </message>
        <message>
            <source>Central visual perception</source>
            <translation>Percepción visual central</translation>
        </message>
        <message>
            <source>Peripheral visual perception</source>
            <translation>Percepción visual periférica</translation>
        </message>
        <message>
            <source>Dual task processing</source>
            <translation>Doble tarea</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>Users</source>
            <translation>Usuarios</translation>
        </message>
        <message>
            <source>Archive</source>
            <translation>Archivo histórico</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>About Kestrova</source>
            <translation>Acerca de Kestrova</translation>
        </message>
        <message>
            <source>Preferences...</source>
            <translation>Preferencias...</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Add patient...</source>
            <translation>Añadir paciente...</translation>
        </message>
        <message>
            <source>Assessor...</source>
            <translation>Evaluador...</translation>
        </message>
        <message>
            <source>Previous reports</source>
            <translation>Informes anteriores</translation>
        </message>
        <message>
            <source>Instruction book</source>
            <translation>Manual de instrucciones</translation>
        </message>
        <message>
            <source>Video instructions</source>
            <translation>Instrucciones en vídeo</translation>
        </message>
        <message>
            <source>Publications</source>
            <translation>Publicaciones</translation>
        </message>
    </context>
</TS>
