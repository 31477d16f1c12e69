<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
    <context>
        <name>Assessor</name>
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
        <name>AssessorClass</name>
        <message>
            <source>Assessor</source>
            <translation>Evaluador</translation>
        </message>
        <message>
            <source>Title :</source>
            <translation>Título :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Sr.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Sra.</translation>
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
            <translation>Apellido :</translation>
        </message>
        <message>
            <source>First Name :</source>
            <translation>Nombre :</translation>
        </message>
        <message>
            <source>Institution :</source>
            <translation>Institución :</translation>
        </message>
        <message>
            <source>Street :</source>
            <translation>Calle :</translation>
        </message>
        <message>
            <source>Postal Code :</source>
            <translation>Código postal :</translation>
        </message>
        <message>
            <source>City :</source>
            <translation>Ciudad :</translation>
        </message>
        <message>
            <source>Country :</source>
            <translation>País :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
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
        <message>
            <source>Please enter value in mm</source>
            <translation>Introduzca el valor en mm</translation>
        </message>
    </context>
    <context>
        <name>CalibrationCheck</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>The screen is not calibrated yet.
Please calibrate it first: File &gt; Preferences... &gt; Re calibrate.</source>
            <translation>La pantalla aún no está calibrada.
Calíbrela primero: Archivo &gt; Preferencias... &gt; Recalibrar.</translation>
        </message>
    </context>
    <context>
        <name>CalibrationClass</name>
        <message>
            <source>Calibration</source>
            <translation>Calibración</translation>
        </message>
        <message>
            <source>Horizontal calibration
Enter the value of the line in mm :</source>
            <translation>Calibración horizontal
Introduzca la longitud de la línea en mm :</translation>
        </message>
        <message>
            <source>Vertical calibration
Enter the value of the line in mm :</source>
            <translation>Calibración vertical
Introduzca la longitud de la línea en mm :</translation>
        </message>
    </context>
    <context>
        <name>Identity</name>
        <message>
            <source>"%1" must not be empty.</source>
            <translation>«%1» no puede estar vacío.</translation>
        </message>
        <message>
            <source>"%1" must not contain a line break.</source>
            <translation>«%1» no puede contener un salto de línea.</translation>
        </message>
        <message>
            <source>"%1" must not be "%2".</source>
            <translation>«%1» no puede ser «%2».</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2".</source>
            <translation>«%1» no puede contener el carácter «%2».</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2", which the records cannot hold.</source>
            <translation>«%1» no puede contener el carácter «%2», que los archivos no pueden guardar.</translation>
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
        <message>
            <source>Unable to find </source>
            <translation>No se encuentra </translation>
        </message>
        <message>
            <source>Ouvrir</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Previous reports (*.pdf)</source>
            <translation>Informes anteriores (*.pdf)</translation>
        </message>
        <message>
            <source>Unable to open the file...</source>
            <translation>No se puede abrir el archivo...</translation>
        </message>
        <message>
            <source>No program to open PDF files is installed.</source>
            <translation>No hay ningún programa instalado para abrir archivos PDF.</translation>
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
    <context>
        <name>NewPatient</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
    </context>
    <context>
        <name>NewPatientClass</name>
        <message>
            <source>NewPatient</source>
            <translation>Nuevo paciente</translation>
        </message>
        <message>
            <source>Gender :</source>
            <translation>Tratamiento :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>Sr.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Sra.</translation>
        </message>
        <message>
            <source>Last Name / study :</source>
            <translation>Apellido / estudio :</translation>
        </message>
        <message>
            <source>First Name  / id :</source>
            <translation>Nombre  / id :</translation>
        </message>
        <message>
            <source>Date of birth :</source>
            <translation>Fecha de nacimiento :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>PageView</name>
        <message>
            <source>Unable to open file</source>
            <translation>No se puede abrir el archivo</translation>
        </message>
    </context>
    <context>
        <name>PreferencesClass</name>
        <message>
            <source>Preferences</source>
            <translation>Preferencias</translation>
        </message>
        <message>
            <source>Screen resolution :</source>
            <translation>Resolución de pantalla :</translation>
        </message>
        <message>
            <source>X</source>
            <translation>X</translation>
        </message>
        <message>
            <source>pixels</source>
            <translation>píxeles</translation>
        </message>
        <message>
            <source>Horizontal pixel size :</source>
            <translation>Tamaño horizontal del píxel :</translation>
        </message>
        <message>
            <source>µm</source>
            <translation>µm</translation>
        </message>
        <message>
            <source>Re calibrate</source>
            <translation>Recalibrar</translation>
        </message>
        <message>
            <source>Vertical pixel size :</source>
            <translation>Tamaño vertical del píxel :</translation>
        </message>
        <message>
            <source>Screen frequency :</source>
            <translation>Frecuencia de pantalla :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>Result</name>
        <message>
            <source>The report could not be printed.</source>
            <translation>No se pudo imprimir el informe.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>No se pudo escribir %1
%2</translation>
        </message>
        <message>
            <source>Print Document</source>
            <translation>Imprimir documento</translation>
        </message>
    </context>
    <context>
        <name>ResultClass</name>
        <message>
            <source>Result</source>
            <translation>Resultado</translation>
        </message>
    </context>
    <context>
        <name>TaskRecords</name>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>No se pudo abrir %1
%2</translation>
        </message>
        <message>
            <source>Failed to create %1
%2</source>
            <translation>No se pudo crear %1
%2</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>No se pudo escribir %1
%2</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
    </context>
    <context>
        <name>Test1</name>
        <message>
            <source>Visual
recognition</source>
            <translation>Reconocimiento
visual</translation>
        </message>
        <message>
            <source>Central
vision</source>
            <translation>Visión
central</translation>
        </message>
        <message>
            <source>Peripheral
vision</source>
            <translation>Visión
periférica</translation>
        </message>
        <message>
            <source>Dual task</source>
            <translation>Doble tarea</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Ejemplo</translation>
        </message>
        <message>
            <source>The screen is not calibrated.
Please calibrate it first (Preferences).</source>
            <translation>La pantalla no está calibrada.
Calíbrela primero (Preferencias).</translation>
        </message>
        <message>
            <source>Unable to start!
Please undergo training!</source>
            <translation>¡No se puede iniciar!
¡Realice primero el entrenamiento!</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Exposure time &gt; 4633ms
Check visual fields and
start training over again for this subtask</source>
            <translation>Tiempo de exposición &gt; 4633ms
Compruebe el campo visual y
repita el entrenamiento de esta subtarea</translation>
        </message>
        <message>
            <source>Unstable measures, please start task over again</source>
            <translation>Medidas inestables, repita la tarea</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>No se pudo escribir %1
%2</translation>
        </message>
    </context>
    <context>
        <name>Test1Class</name>
        <message>
            <source>Visual recognition task</source>
            <translation>Reconocimiento visual</translation>
        </message>
        <message>
            <source>Identical</source>
            <translation>Idénticas</translation>
        </message>
        <message>
            <source>Shape</source>
            <translation>Forma</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contraste</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Orientación</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Tamaño</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>YA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuar</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Tempor_01</translation>
        </message>
        <message>
            <source>Timer_S1</source>
            <translation>Tempor_S1</translation>
        </message>
        <message>
            <source>Timer_S2</source>
            <translation>Tempor_S2</translation>
        </message>
        <message>
            <source>Timer_S3</source>
            <translation>Tempor_S3</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Tempor_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Tempor_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Tempor_05</translation>
        </message>
        <message>
            <source>Timer_06</source>
            <translation>Tempor_06</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Número</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Ciclo :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tarea :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Subtarea :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N.º :</translation>
        </message>
        <message>
            <source>No S1 :</source>
            <translation>N.º S1 :</translation>
        </message>
        <message>
            <source>No S2 :</source>
            <translation>N.º S2 :</translation>
        </message>
        <message>
            <source>No S3 :</source>
            <translation>N.º S3 :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Resultado :</translation>
        </message>
        <message>
            <source>Smaller</source>
            <translation>Reducción</translation>
        </message>
        <message>
            <source>Separator</source>
            <translation>Separación</translation>
        </message>
        <message>
            <source>Arrow</source>
            <translation>Flecha</translation>
        </message>
        <message>
            <source>Ratio</source>
            <translation>Proporción</translation>
        </message>
        <message>
            <source>Radius</source>
            <translation>Radio</translation>
        </message>
        <message>
            <source>Pitch H :</source>
            <translation>Paso H :</translation>
        </message>
        <message>
            <source>Pitch V :</source>
            <translation>Paso V :</translation>
        </message>
    </context>
    <context>
        <name>Test2</name>
        <message>
            <source>Attention
neutral</source>
            <translation>Atención
neutra</translation>
        </message>
        <message>
            <source>Attention
alerted</source>
            <translation>Atención
alertada</translation>
        </message>
        <message>
            <source>Attention
oriented</source>
            <translation>Atención
orientada</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Ejemplo</translation>
        </message>
    </context>
    <context>
        <name>Test2Class</name>
        <message>
            <source>Central cue attention task</source>
            <translation>Atención con señal central</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>YA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuar</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Tempor_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Tempor_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Tempor_03</translation>
        </message>
        <message>
            <source>Timer_RT</source>
            <translation>Tempor_TR</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Tempor_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Número</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Ciclo :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Paso :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tarea :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Subtarea :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N.º :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Resultado :</translation>
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
            <translation>Detección
de movimiento</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Ejemplo</translation>
        </message>
    </context>
    <context>
        <name>Test3Class</name>
        <message>
            <source>Movement detection task</source>
            <translation>Detección de movimiento</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>YA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuar</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Tempor_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Tempor_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Tempor_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Tempor_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Tempor_05</translation>
        </message>
        <message>
            <source>Timer_06</source>
            <translation>Tempor_06</translation>
        </message>
        <message>
            <source>Timer Mov</source>
            <translation>Temp. mov.</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Número</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Ciclo :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Paso :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tarea :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Subtarea :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N.º :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Resultado :</translation>
        </message>
        <message>
            <source>Elapsed :</source>
            <translation>Transcurr. :</translation>
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
            <translation>Primera posición que recordar</translation>
        </message>
        <message>
            <source>Second localisation</source>
            <translation>Segunda posición</translation>
        </message>
        <message>
            <source>Third localisation</source>
            <translation>Tercera posición</translation>
        </message>
        <message>
            <source>Fourth and last localisation</source>
            <translation>Cuarta y última posición</translation>
        </message>
    </context>
    <context>
        <name>Test4Class</name>
        <message>
            <source>First Cross ?</source>
            <translation>¿Primera cruz?</translation>
        </message>
        <message>
            <source>Last Cross ?</source>
            <translation>¿Última cruz?</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>YA</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuar</translation>
        </message>
        <message>
            <source>C</source>
            <translation>C</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Tempor_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Tempor_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Tempor_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Tempor_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Tempor_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Número</translation>
        </message>
        <message>
            <source>Horz pitch :</source>
            <translation>Paso horiz. :</translation>
        </message>
        <message>
            <source>Vert pitch :</source>
            <translation>Paso vert. :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tarea :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N.º :</translation>
        </message>
        <message>
            <source>Pos First :</source>
            <translation>Pos. 1.ª :</translation>
        </message>
        <message>
            <source>Dist First :</source>
            <translation>Dist. 1.ª :</translation>
        </message>
        <message>
            <source>Pos Last :</source>
            <translation>Pos. últ. :</translation>
        </message>
        <message>
            <source>Dist Last :</source>
            <translation>Dist. últ. :</translation>
        </message>
    </context>
    <context>
        <name>WebViewerClass</name>
        <message>
            <source>WebViewer</source>
            <translation>Visor</translation>
        </message>
    </context>
</TS>
