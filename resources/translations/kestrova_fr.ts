<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
    <context>
        <name>Assessor</name>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossible d'ouvrir %1
%2</translation>
        </message>
    </context>
    <context>
        <name>AssessorClass</name>
        <message>
            <source>Assessor</source>
            <translation>Examinateur</translation>
        </message>
        <message>
            <source>Title :</source>
            <translation>Titre :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>M.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Mme</translation>
        </message>
        <message>
            <source>Dr.</source>
            <translation>Dr</translation>
        </message>
        <message>
            <source>Prof.</source>
            <translation>Pr</translation>
        </message>
        <message>
            <source>Last Name :</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>First Name :</source>
            <translation>Prénom :</translation>
        </message>
        <message>
            <source>Institution :</source>
            <translation>Institution :</translation>
        </message>
        <message>
            <source>Street :</source>
            <translation>Rue :</translation>
        </message>
        <message>
            <source>Postal Code :</source>
            <translation>Code postal :</translation>
        </message>
        <message>
            <source>City :</source>
            <translation>Ville :</translation>
        </message>
        <message>
            <source>Country :</source>
            <translation>Pays :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>Calibration</name>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossible d'ouvrir %1
%2</translation>
        </message>
        <message>
            <source>Please enter value in mm</source>
            <translation>Veuillez entrer la valeur en mm</translation>
        </message>
    </context>
    <context>
        <name>CalibrationCheck</name>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>The screen is not calibrated yet.
Please calibrate it first: File &gt; Preferences... &gt; Re calibrate.</source>
            <translation>L'écran n'est pas encore calibré.
Veuillez d'abord le calibrer : Fichier &gt; Préférences... &gt; Recalibrer.</translation>
        </message>
    </context>
    <context>
        <name>CalibrationClass</name>
        <message>
            <source>Calibration</source>
            <translation>Calibrage</translation>
        </message>
        <message>
            <source>Horizontal calibration
Enter the value of the line in mm :</source>
            <translation>Calibrage horizontal
Entrez la longueur de la ligne en mm :</translation>
        </message>
        <message>
            <source>Vertical calibration
Enter the value of the line in mm :</source>
            <translation>Calibrage vertical
Entrez la longueur de la ligne en mm :</translation>
        </message>
    </context>
    <context>
        <name>Identity</name>
        <message>
            <source>"%1" must not be empty.</source>
            <translation>« %1 » ne doit pas être vide.</translation>
        </message>
        <message>
            <source>"%1" must not contain a line break.</source>
            <translation>« %1 » ne doit pas contenir de saut de ligne.</translation>
        </message>
        <message>
            <source>"%1" must not be "%2".</source>
            <translation>« %1 » ne doit pas être « %2 ».</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2".</source>
            <translation>« %1 » ne doit pas contenir le caractère « %2 ».</translation>
        </message>
        <message>
            <source>"%1" must not contain the character "%2", which the records cannot hold.</source>
            <translation>« %1 » ne doit pas contenir le caractère « %2 », que les fichiers ne peuvent pas enregistrer.</translation>
        </message>
    </context>
    <context>
        <name>Kestrova</name>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossible d'ouvrir %1
%2</translation>
        </message>
        <message>
            <source>Unable to find </source>
            <translation>Introuvable : </translation>
        </message>
        <message>
            <source>Ouvrir</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>Previous reports (*.pdf)</source>
            <translation>Rapports précédents (*.pdf)</translation>
        </message>
        <message>
            <source>Unable to open the file...</source>
            <translation>Impossible d'ouvrir le fichier...</translation>
        </message>
        <message>
            <source>No program to open PDF files is installed.</source>
            <translation>Aucun programme pour ouvrir les fichiers PDF n'est installé.</translation>
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
            <translation>Examinateur</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Institution</source>
            <translation>Institution</translation>
        </message>
        <message>
            <source>Patient Name :</source>
            <translation>Nom du patient :</translation>
        </message>
        <message>
            <source>With instruction</source>
            <translation>Avec consignes</translation>
        </message>
        <message>
            <source>With training</source>
            <translation>Avec entraînement</translation>
        </message>
        <message>
            <source>Fixed duration</source>
            <translation>Durée fixe</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Subtasks</source>
            <translation>Sous-tâches</translation>
        </message>
        <message>
            <source>Sessions</source>
            <translation>Sessions</translation>
        </message>
        <message>
            <source>Visual recognition task</source>
            <translation>Reconnaissance visuelle</translation>
        </message>
        <message>
            <source>Central cue attention task</source>
            <translation>Attention à indice central</translation>
        </message>
        <message>
            <source>Movement detection task</source>
            <translation>Détection du mouvement</translation>
        </message>
        <message>
            <source>Working memory task</source>
            <translation>Mémoire de travail</translation>
        </message>
        <message>
            <source>Central visual perception</source>
            <translation>Perception visuelle centrale</translation>
        </message>
        <message>
            <source>Peripheral visual perception</source>
            <translation>Perception visuelle périphérique</translation>
        </message>
        <message>
            <source>Dual task processing</source>
            <translation>Double tâche</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Users</source>
            <translation>Utilisateurs</translation>
        </message>
        <message>
            <source>Archive</source>
            <translation>Archives</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>About Kestrova</source>
            <translation>À propos de Kestrova</translation>
        </message>
        <message>
            <source>Preferences...</source>
            <translation>Préférences...</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Add patient...</source>
            <translation>Ajouter un patient...</translation>
        </message>
        <message>
            <source>Assessor...</source>
            <translation>Examinateur...</translation>
        </message>
        <message>
            <source>Previous reports</source>
            <translation>Rapports précédents</translation>
        </message>
        <message>
            <source>Instruction book</source>
            <translation>Manuel d'utilisation</translation>
        </message>
        <message>
            <source>Video instructions</source>
            <translation>Instructions vidéo</translation>
        </message>
        <message>
            <source>Publications</source>
            <translation>Publications</translation>
        </message>
    </context>
    <context>
        <name>NewPatient</name>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
    </context>
    <context>
        <name>NewPatientClass</name>
        <message>
            <source>NewPatient</source>
            <translation>Nouveau patient</translation>
        </message>
        <message>
            <source>Gender :</source>
            <translation>Civilité :</translation>
        </message>
        <message>
            <source>Mr.</source>
            <translation>M.</translation>
        </message>
        <message>
            <source>Mrs.</source>
            <translation>Mme</translation>
        </message>
        <message>
            <source>Last Name / study :</source>
            <translation>Nom / étude :</translation>
        </message>
        <message>
            <source>First Name  / id :</source>
            <translation>Prénom  / id :</translation>
        </message>
        <message>
            <source>Date of birth :</source>
            <translation>Date de naissance :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>PageView</name>
        <message>
            <source>Unable to open file</source>
            <translation>Impossible d'ouvrir le fichier</translation>
        </message>
    </context>
    <context>
        <name>PreferencesClass</name>
        <message>
            <source>Preferences</source>
            <translation>Préférences</translation>
        </message>
        <message>
            <source>Screen resolution :</source>
            <translation>Résolution de l'écran :</translation>
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
            <translation>Taille horizontale du pixel :</translation>
        </message>
        <message>
            <source>µm</source>
            <translation>µm</translation>
        </message>
        <message>
            <source>Re calibrate</source>
            <translation>Recalibrer</translation>
        </message>
        <message>
            <source>Vertical pixel size :</source>
            <translation>Taille verticale du pixel :</translation>
        </message>
        <message>
            <source>Screen frequency :</source>
            <translation>Fréquence de l'écran :</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>Result</name>
        <message>
            <source>The report could not be printed.</source>
            <translation>Le rapport n'a pas pu être imprimé.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Impossible d'écrire %1
%2</translation>
        </message>
        <message>
            <source>Print Document</source>
            <translation>Imprimer le document</translation>
        </message>
    </context>
    <context>
        <name>ResultClass</name>
        <message>
            <source>Result</source>
            <translation>Résultat</translation>
        </message>
    </context>
    <context>
        <name>TaskRecords</name>
        <message>
            <source>Failed to open %1
%2</source>
            <translation>Impossible d'ouvrir %1
%2</translation>
        </message>
        <message>
            <source>Failed to create %1
%2</source>
            <translation>Impossible de créer %1
%2</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Impossible d'écrire %1
%2</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
    </context>
    <context>
        <name>Test1</name>
        <message>
            <source>Visual
recognition</source>
            <translation>Reconnaissance
visuelle</translation>
        </message>
        <message>
            <source>Central
vision</source>
            <translation>Vision
centrale</translation>
        </message>
        <message>
            <source>Peripheral
vision</source>
            <translation>Vision
périphérique</translation>
        </message>
        <message>
            <source>Dual task</source>
            <translation>Double tâche</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Exemple</translation>
        </message>
        <message>
            <source>The screen is not calibrated.
Please calibrate it first (Preferences).</source>
            <translation>L'écran n'est pas calibré.
Veuillez d'abord le calibrer (Préférences).</translation>
        </message>
        <message>
            <source>Unable to start!
Please undergo training!</source>
            <translation>Démarrage impossible !
Veuillez d'abord faire l'entraînement !</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Exposure time &gt; 4633ms
Check visual fields and
start training over again for this subtask</source>
            <translation>Temps d'exposition &gt; 4633ms
Vérifiez le champ visuel et
recommencez l'entraînement de cette sous-tâche</translation>
        </message>
        <message>
            <source>Unstable measures, please start task over again</source>
            <translation>Mesures instables, veuillez recommencer la tâche</translation>
        </message>
        <message>
            <source>Failed to write %1
%2</source>
            <translation>Impossible d'écrire %1
%2</translation>
        </message>
    </context>
    <context>
        <name>Test1Class</name>
        <message>
            <source>Visual recognition task</source>
            <translation>Reconnaissance visuelle</translation>
        </message>
        <message>
            <source>Identical</source>
            <translation>Identiques</translation>
        </message>
        <message>
            <source>Shape</source>
            <translation>Forme</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contraste</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Orientation</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Taille</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>GO</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuer</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Minuterie_01</translation>
        </message>
        <message>
            <source>Timer_S1</source>
            <translation>Minuterie_S1</translation>
        </message>
        <message>
            <source>Timer_S2</source>
            <translation>Minuterie_S2</translation>
        </message>
        <message>
            <source>Timer_S3</source>
            <translation>Minuterie_S3</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Minuterie_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Minuterie_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Minuterie_05</translation>
        </message>
        <message>
            <source>Timer_06</source>
            <translation>Minuterie_06</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Cycle :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tâche :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Sous-tâche :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N° :</translation>
        </message>
        <message>
            <source>No S1 :</source>
            <translation>N° S1 :</translation>
        </message>
        <message>
            <source>No S2 :</source>
            <translation>N° S2 :</translation>
        </message>
        <message>
            <source>No S3 :</source>
            <translation>N° S3 :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Résultat :</translation>
        </message>
        <message>
            <source>Smaller</source>
            <translation>Réduction</translation>
        </message>
        <message>
            <source>Separator</source>
            <translation>Écart</translation>
        </message>
        <message>
            <source>Arrow</source>
            <translation>Flèche</translation>
        </message>
        <message>
            <source>Ratio</source>
            <translation>Rapport</translation>
        </message>
        <message>
            <source>Radius</source>
            <translation>Rayon</translation>
        </message>
        <message>
            <source>Pitch H :</source>
            <translation>Pas H :</translation>
        </message>
        <message>
            <source>Pitch V :</source>
            <translation>Pas V :</translation>
        </message>
    </context>
    <context>
        <name>Test2</name>
        <message>
            <source>Attention
neutral</source>
            <translation>Attention
neutre</translation>
        </message>
        <message>
            <source>Attention
alerted</source>
            <translation>Attention
alertée</translation>
        </message>
        <message>
            <source>Attention
oriented</source>
            <translation>Attention
orientée</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Exemple</translation>
        </message>
    </context>
    <context>
        <name>Test2Class</name>
        <message>
            <source>Central cue attention task</source>
            <translation>Attention à indice central</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>GO</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuer</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Minuterie_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Minuterie_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Minuterie_03</translation>
        </message>
        <message>
            <source>Timer_RT</source>
            <translation>Minuterie_TR</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Minuterie_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Cycle :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Pas :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tâche :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Sous-tâche :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N° :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Résultat :</translation>
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
            <translation>Détection
du mouvement</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Exemple</translation>
        </message>
    </context>
    <context>
        <name>Test3Class</name>
        <message>
            <source>Movement detection task</source>
            <translation>Détection du mouvement</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>GO</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuer</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Minuterie_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Minuterie_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Minuterie_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Minuterie_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Minuterie_05</translation>
        </message>
        <message>
            <source>Timer_06</source>
            <translation>Minuterie_06</translation>
        </message>
        <message>
            <source>Timer Mov</source>
            <translation>Min. mouv.</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Time Cycle :</source>
            <translation>Cycle :</translation>
        </message>
        <message>
            <source>Pitch :</source>
            <translation>Pas :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tâche :</translation>
        </message>
        <message>
            <source>Subtask :</source>
            <translation>Sous-tâche :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N° :</translation>
        </message>
        <message>
            <source>Result :</source>
            <translation>Résultat :</translation>
        </message>
        <message>
            <source>Elapsed :</source>
            <translation>Écoulé :</translation>
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
            <translation>Mémoire</translation>
        </message>
        <message>
            <source>First localisation to remember</source>
            <translation>Première position à retenir</translation>
        </message>
        <message>
            <source>Second localisation</source>
            <translation>Deuxième position</translation>
        </message>
        <message>
            <source>Third localisation</source>
            <translation>Troisième position</translation>
        </message>
        <message>
            <source>Fourth and last localisation</source>
            <translation>Quatrième et dernière position</translation>
        </message>
    </context>
    <context>
        <name>Test4Class</name>
        <message>
            <source>First Cross ?</source>
            <translation>Première croix ?</translation>
        </message>
        <message>
            <source>Last Cross ?</source>
            <translation>Dernière croix ?</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>GO</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continuer</translation>
        </message>
        <message>
            <source>C</source>
            <translation>C</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>Main Menu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Timer_01</source>
            <translation>Minuterie_01</translation>
        </message>
        <message>
            <source>Timer_02</source>
            <translation>Minuterie_02</translation>
        </message>
        <message>
            <source>Timer_03</source>
            <translation>Minuterie_03</translation>
        </message>
        <message>
            <source>Timer_04</source>
            <translation>Minuterie_04</translation>
        </message>
        <message>
            <source>Timer_05</source>
            <translation>Minuterie_05</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Horz pitch :</source>
            <translation>Pas horiz. :</translation>
        </message>
        <message>
            <source>Vert pitch :</source>
            <translation>Pas vert. :</translation>
        </message>
        <message>
            <source>Task :</source>
            <translation>Tâche :</translation>
        </message>
        <message>
            <source>No :</source>
            <translation>N° :</translation>
        </message>
        <message>
            <source>Pos First :</source>
            <translation>Pos. 1re :</translation>
        </message>
        <message>
            <source>Dist First :</source>
            <translation>Dist. 1re :</translation>
        </message>
        <message>
            <source>Pos Last :</source>
            <translation>Pos. dern. :</translation>
        </message>
        <message>
            <source>Dist Last :</source>
            <translation>Dist. dern. :</translation>
        </message>
    </context>
    <context>
        <name>WebViewerClass</name>
        <message>
            <source>WebViewer</source>
            <translation>Visionneuse</translation>
        </message>
    </context>
</TS>
