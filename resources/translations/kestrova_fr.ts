<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
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
</TS>
