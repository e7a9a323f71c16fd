<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (c) Varnel. All rights reserved.</source>
        <translation>Copyright (c) Varnel. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Reads, edits, stores and prints the programs and reagent names of the Varnel Corvex.</source>
        <translation>Liest, bearbeitet, speichert und druckt die Programme und Reagenznamen des Varnel Corvex.</translation>
    </message>
    <message>
        <source>%1 Version %2.%3.%4</source>
        <translation>%1 Version %2.%3.%4</translation>
    </message>
    <message>
        <source>Varnel Corvex Utility</source>
        <translation>Varnel Corvex Dienstprogramm</translation>
    </message>
</context>
<context>
    <name>ClipboardMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>Total Time: %1h %2min</source>
        <translation>Gesamtzeit: %1h %2min</translation>
    </message>
</context>
<context>
    <name>LinkText</name>
    <message>
        <source>You may not open %1: only its owner &quot;%2&quot; may read and write it. Ask the administrator of this computer for access to it.</source>
        <translation>Sie dürfen %1 nicht öffnen: Nur der Besitzer „%2“ darf lesen und schreiben. Bitten Sie den Administrator dieses Computers um Zugriff.</translation>
    </message>
    <message>
        <source>You may not open %1: it belongs to the group &quot;%2&quot;. Add your user to the group %2 and log in again.</source>
        <translation>Sie dürfen %1 nicht öffnen: Die Schnittstelle gehört der Gruppe „%2“. Nehmen Sie Ihren Benutzer in die Gruppe %2 auf und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>Cannot open %1: there is no such device.</source>
        <translation>%1 kann nicht geöffnet werden: Dieses Gerät gibt es nicht.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>ListTexts</name>
    <message>
        <source>AG0: off</source>
        <translation>AG0: aus</translation>
    </message>
    <message>
        <source>Reagent</source>
        <translation>Reagenz</translation>
    </message>
    <message>
        <source>Vial</source>
        <translation>Station</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>Cannot read &quot;%1&quot;: the file does not exist.</source>
        <translation>„%1“ kann nicht gelesen werden: Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a store, a backup nor a program file.</source>
        <translation>„%1“ ist weder ein Speicher noch eine Sicherung noch eine Programmdatei.</translation>
    </message>
    <message>
        <source>A program file holds one program without a number: say which program to compare it with.</source>
        <translation>Eine Programmdatei enthält ein Programm ohne Nummer: Geben Sie an, mit welchem Programm sie verglichen werden soll.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes) to be an INI file.</source>
        <translation>„%1“ ist zu groß (%2 Bytes) für eine INI-Datei.</translation>
    </message>
    <message>
        <source>No file name is set.</source>
        <translation>Es ist kein Dateiname gesetzt.</translation>
    </message>
    <message>
        <source> It was left as it is.</source>
        <translation> Sie blieb unverändert.</translation>
    </message>
    <message>
        <source>There is no program %1; programs are numbered 1 to 99.</source>
        <translation>Es gibt kein Programm %1; die Programme sind von 1 bis 99 nummeriert.</translation>
    </message>
    <message>
        <source>This is not a valid Program File.</source>
        <translation>Dies ist keine gültige Programmdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the local store itself; a program file is never saved over it.</source>
        <translation>„%1“ ist der lokale Speicher selbst; eine Programmdatei wird nie darüber gespeichert.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>must be %1</source>
        <translation>muss %1 sein</translation>
    </message>
    <message>
        <source>LM or EM</source>
        <translation>LM oder EM</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 oder mehr</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 (off) or %2</source>
        <translation>%1 (aus) oder %2</translation>
    </message>
    <message>
        <source>, and %1 more keys of the section</source>
        <translation>, ebenso %1 weitere Schlüssel des Abschnitts</translation>
    </message>
    <message>
        <source>is the last line and has no line break, so the file may have been cut short</source>
        <translation>ist die letzte Zeile und hat keinen Zeilenumbruch; die Datei ist also vielleicht abgeschnitten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete backup that the Corvex can hold, so it was not restored: nothing was sent and the local store was not changed.</source>
        <translation>„%1“ ist keine vollständige Sicherung, die der Corvex aufnehmen kann, und wurde darum nicht zurückgespielt: Es wurde nichts gesendet, und der lokale Speicher wurde nicht geändert.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a program file, not a backup; import it into a program instead. Nothing was sent.</source>
        <translation>„%1“ ist eine Programmdatei, keine Sicherung; importieren Sie sie stattdessen in ein Programm. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The local store &quot;%1&quot; is not a file.</source>
        <translation>Der lokale Speicher „%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>The local store &quot;%1&quot; is read-only (it has no write permission).</source>
        <translation>Der lokale Speicher „%1“ ist schreibgeschützt (ohne Schreibrecht).</translation>
    </message>
    <message>
        <source>Cannot write in the folder &quot;%1&quot; of the local store.</source>
        <translation>Im Ordner „%1“ des lokalen Speichers kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The local store &quot;%1&quot; is in use by a Corvex Utility on the computer &quot;%2&quot;. If that computer no longer uses it, remove the lock file &quot;%3&quot; and try again.</source>
        <translation>Der lokale Speicher „%1“ wird von einem Corvex Dienstprogramm auf dem Computer „%2“ benutzt. Wenn dieser Computer ihn nicht mehr benutzt, löschen Sie die Sperrdatei „%3“ und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The local store &quot;%1&quot; is in use by another Corvex Utility. Close it first, then try again.</source>
        <translation>Der lokale Speicher „%1“ wird von einem anderen Corvex Dienstprogramm benutzt. Schließen Sie es zuerst und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The transfer log &quot;%1&quot; cannot be written (%2); transfers go on without it.</source>
        <translation>Das Übertragungsprotokoll „%1“ kann nicht geschrieben werden (%2); die Übertragungen laufen ohne Protokoll weiter.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>sein Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Cannot create the folder of &quot;%1&quot;.</source>
        <translation>Der Ordner von „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2. The file was left as it was.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. The file was left as it was.</source>
        <translation>„%1“ kann nicht geschrieben werden. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a device or the like</source>
        <translation>ein Gerät oder Ähnliches</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (%2), so it was not written.</source>
        <translation>„%1“ ist keine gewöhnliche Datei (%2) und wurde darum nicht geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link of another user in a folder open to everyone, so it was not followed and nothing was written.</source>
        <translation>„%1“ ist ein symbolischer Link eines anderen Benutzers in einem Ordner, der allen offensteht; er wurde darum nicht verfolgt, und es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source> The file was left as it was.</source>
        <translation> Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source> No file was written.</source>
        <translation> Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only (it has no write permission), so it was not written; it stays as it is.</source>
        <translation>„%1“ ist schreibgeschützt (ohne Schreibrecht) und wurde darum nicht geschrieben; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write in &quot;%1&quot;: %2. No file was changed.</source>
        <translation>In „%1“ kann nicht geschrieben werden: %2. Es wurde keine Datei geändert.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the file could not be written completely (is the disk full?).</source>
        <translation>„%1“ kann nicht geschrieben werden: Die Datei konnte nicht vollständig geschrieben werden (ist der Datenträger voll?).</translation>
    </message>
</context>
<context>
    <name>PrintResult</name>
    <message>
        <source>Unknown Printer Error.</source>
        <translation>Unbekannter Druckerfehler.</translation>
    </message>
    <message>
        <source>Printer Error.</source>
        <translation>Druckerfehler.</translation>
    </message>
</context>
<context>
    <name>ProgramFileCommands</name>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Import Program File...</source>
        <translation>Programmdatei importieren...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Import Program</source>
        <translation>Programm importieren</translation>
    </message>
    <message>
        <source>Export Program File...</source>
        <translation>Programmdatei exportieren...</translation>
    </message>
    <message>
        <source>Export Program</source>
        <translation>Programm exportieren</translation>
    </message>
    <message>
        <source>%1 has been saved.</source>
        <translation>%1 wurde gespeichert.</translation>
    </message>
    <message>
        <source>Please note: If you import a program file from another person, make sure you have the same reagent list.</source>
        <translation>Bitte beachten: Wenn Sie eine Programmdatei von einer anderen Person importieren, stellen Sie sicher, dass Sie dieselbe Reagenzliste haben.</translation>
    </message>
    <message>
        <source>Otherwise the Reagent designations of the imported Program may be wrong or exchanged.</source>
        <translation>Sonst können die Reagenzbezeichnungen des importierten Programms falsch oder vertauscht sein.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>No answer from the Corvex, trying again (%1 of %2)...</source>
        <translation>Keine Antwort vom Corvex, neuer Versuch (%1 von %2)...</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>%1 will be overwritten. Are you sure?</source>
        <translation>%1 wird überschrieben. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>%1 will be deleted. Are you sure?</source>
        <translation>%1 wird gelöscht. Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>ServiceConsole</name>
    <message>
        <source>Input Service Command</source>
        <translation>Servicebefehl eingeben</translation>
    </message>
    <message>
        <source>Command?</source>
        <translation>Befehl?</translation>
    </message>
    <message>
        <source>The Corvex is not connected: the command was not sent.</source>
        <translation>Der Corvex ist nicht verbunden: Der Befehl wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Response: %1</source>
        <translation>Antwort: %1</translation>
    </message>
</context>
<context>
    <name>StartupNotice</name>
    <message>
        <source>IMPORTANT INFORMATION!</source>
        <translation>WICHTIGER HINWEIS!</translation>
    </message>
    <message>
        <source>For safe data transfer via the PC software,</source>
        <translation>Für eine sichere Datenübertragung mit der PC-Software</translation>
    </message>
    <message>
        <source>the Varnel Corvex must be in configuration mode.</source>
        <translation>muss sich der Varnel Corvex im Konfigurationsmodus befinden.</translation>
    </message>
    <message>
        <source>To do this:</source>
        <translation>Dazu:</translation>
    </message>
    <message>
        <source>Switch on the Varnel Corvex and immediately press the PROG button.          </source>
        <translation>Schalten Sie den Varnel Corvex ein und drücken Sie sofort die Taste PROG.          </translation>
    </message>
    <message>
        <source>Execute data transfer.</source>
        <translation>Führen Sie die Datenübertragung durch.</translation>
    </message>
    <message>
        <source>After data transfer has been completed,</source>
        <translation>Wenn die Datenübertragung abgeschlossen ist,</translation>
    </message>
    <message>
        <source>leave the configuration mode by pressing the STOP button.</source>
        <translation>verlassen Sie den Konfigurationsmodus mit der Taste STOP.</translation>
    </message>
    <message>
        <source>NEVER execute data transfer when the Varnel Corvex is in standby</source>
        <translation>Führen Sie NIE eine Datenübertragung durch, wenn der Varnel Corvex im Standby ist</translation>
    </message>
    <message>
        <source>or when a program is running!</source>
        <translation>oder wenn ein Programm läuft!</translation>
    </message>
</context>
<context>
    <name>TransferRate</name>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Bytes</translation>
    </message>
    <message>
        <source>, about %1 left</source>
        <translation>, noch etwa %1</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>The comparison was stopped at %1; nothing was compared.</source>
        <translation>Der Vergleich wurde bei %1 angehalten; es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>The backup was stopped at %1; no backup file was written.</source>
        <translation>Die Sicherung wurde bei %1 angehalten; es wurde keine Sicherungsdatei geschrieben.</translation>
    </message>
    <message>
        <source>Reading the Corvex for the comparison stopped at %1: at %2 %3.
Nothing was compared.</source>
        <translation>Das Lesen des Corvex für den Vergleich brach bei %1 ab (%2: %3).
Es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>The backup stopped at %1: at %2 %3.
No backup file was written.</source>
        <translation>Die Sicherung brach bei %1 ab (%2: %3).
Es wurde keine Sicherungsdatei geschrieben.</translation>
    </message>
    <message>
        <source>The Corvex was read whole, but the backup file could not be written: %1</source>
        <translation>Der Corvex wurde vollständig gelesen, aber die Sicherungsdatei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Stopped after %1; the reagents read were saved.</source>
        <translation>Angehalten nach %1; die gelesenen Reagenzien wurden gespeichert.</translation>
    </message>
    <message>
        <source>Stopped before the first reagent.</source>
        <translation>Vor dem ersten Reagenz angehalten.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source> of vial %1</source>
        <translation> in Station %1</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the value %2 of %3%4 cannot be stored on the Corvex. </source>
        <translation>%1 kann nicht zurückgespielt werden: Der Wert %2 für %3%4 kann auf dem Corvex nicht gespeichert werden. </translation>
    </message>
    <message>
        <source>The restore was stopped.
</source>
        <translation>Das Zurückspielen wurde angehalten.
</translation>
    </message>
    <message>
        <source>
The local store was not changed.</source>
        <translation>
Der lokale Speicher wurde nicht geändert.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Nothing was sent completely.</source>
        <translation>Es wurde nichts vollständig gesendet.</translation>
    </message>
    <message>
        <source>%1 were sent.</source>
        <translation>%1 wurden gesendet.</translation>
    </message>
    <message>
        <source>%1 were not sent.</source>
        <translation>%1 wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>Restoring stopped at %1: at %2 %3.
</source>
        <translation>Das Zurückspielen brach bei %1 ab (%2: %3).
</translation>
    </message>
    <message>
        <source>%1 on the Corvex may now be incomplete (%2 of %3 bytes confirmed); restore it again when the Corvex answers. </source>
        <translation>%1 auf dem Corvex ist jetzt vielleicht unvollständig (%2 von %3 Bytes bestätigt); spielen Sie es erneut zurück, sobald der Corvex antwortet. </translation>
    </message>
    <message>
        <source>%1 was restored to the Corvex, but the local store could not be saved: %2</source>
        <translation>%1 wurde auf den Corvex zurückgespielt, aber der lokale Speicher konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>at %1 %2.</source>
        <translation>bei %1: %2.</translation>
    </message>
    <message>
        <source>%1 on the Corvex may now be incomplete (%2 of %3 bytes confirmed); send it again when the Corvex answers. The local store was not changed.</source>
        <translation>%1 auf dem Corvex ist jetzt vielleicht unvollständig (%2 von %3 Bytes bestätigt); senden Sie es erneut, sobald der Corvex antwortet. Der lokale Speicher wurde nicht geändert.</translation>
    </message>
    <message>
        <source>%1, but the local store could not be saved: %2</source>
        <translation>%1, aber der lokale Speicher konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>There is no program %1.</source>
        <translation>Es gibt kein Programm %1.</translation>
    </message>
    <message>
        <source>There is no reagent %1.</source>
        <translation>Es gibt kein Reagenz %1.</translation>
    </message>
    <message>
        <source>%1 was read from the Corvex</source>
        <translation>%1 wurde vom Corvex gelesen</translation>
    </message>
    <message>
        <source>%1 could not be read from the Corvex: %2
%1 keeps its previous content.</source>
        <translation>%1 konnte nicht vom Corvex gelesen werden: %2
%1 behält seinen bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>%1 cannot be sent: the value %2 of %3%4 cannot be stored on the Corvex. </source>
        <translation>%1 kann nicht gesendet werden: Der Wert %2 für %3%4 kann auf dem Corvex nicht gespeichert werden. </translation>
    </message>
    <message>
        <source>%1 was sent to the Corvex</source>
        <translation>%1 wurde an den Corvex gesendet</translation>
    </message>
    <message>
        <source>%1 could not be sent to the Corvex: %2
%3</source>
        <translation>%1 konnte nicht an den Corvex gesendet werden: %2
%3</translation>
    </message>
    <message>
        <source>%1 could not be read from the Corvex: %2
%1 keeps its previous name.</source>
        <translation>%1 konnte nicht vom Corvex gelesen werden: %2
%1 behält seinen bisherigen Namen.</translation>
    </message>
    <message>
        <source>%1 reagents were read from the Corvex</source>
        <translation>%1 Reagenzien wurden vom Corvex gelesen</translation>
    </message>
    <message>
        <source>No reagent was read; all keep their previous names.</source>
        <translation>Es wurde kein Reagenz gelesen; alle behalten ihre bisherigen Namen.</translation>
    </message>
    <message>
        <source>%1 to %2 were read and saved; %3 and the ones after it keep their previous names.</source>
        <translation>%1 bis %2 wurden gelesen und gespeichert; %3 und die folgenden behalten ihre bisherigen Namen.</translation>
    </message>
    <message>
        <source>%1 to %2 were read; %3 and the ones after it keep their previous names.</source>
        <translation>%1 bis %2 wurden gelesen; %3 und die folgenden behalten ihre bisherigen Namen.</translation>
    </message>
    <message>
        <source>Reading all reagents stopped at %1: %2
%3</source>
        <translation>Das Lesen aller Reagenzien brach bei %1 ab: %2
%3</translation>
    </message>
    <message>
        <source>the Corvex is not connected (the serial port is closed)</source>
        <translation>keine Verbindung zum Corvex (die serielle Schnittstelle ist geschlossen)</translation>
    </message>
    <message>
        <source>the Corvex did not answer in %1 attempts</source>
        <translation>keine Antwort vom Corvex nach %1 Versuchen</translation>
    </message>
    <message>
        <source>the Corvex did not confirm the value in %1 attempts</source>
        <translation>keine Bestätigung des Werts durch den Corvex nach %1 Versuchen</translation>
    </message>
    <message>
        <source>the Corvex gave no valid answer in %1 attempts</source>
        <translation>keine gültige Antwort vom Corvex nach %1 Versuchen</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>address %1 hex</source>
        <translation>Adresse %1 hex</translation>
    </message>
</context>
<context>
    <name>UnsentEdits</name>
    <message>
        <source>has</source>
        <translation>hat</translation>
    </message>
    <message>
        <source>have</source>
        <translation>haben</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 %2 changes that were not sent to the Corvex. Close anyway?</source>
        <translation>%1 %2 Änderungen, die nicht an den Corvex gesendet wurden. Trotzdem schließen?</translation>
    </message>
    <message>
        <source>%1 has changes that were not sent to the Corvex. Reading it from the Corvex replaces them. Read anyway?</source>
        <translation>%1 hat Änderungen, die nicht an den Corvex gesendet wurden. Das Lesen vom Corvex ersetzt sie. Trotzdem lesen?</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>%1 - not connected.</source>
        <translation>%1 - nicht verbunden.</translation>
    </message>
    <message>
        <source>%1 - connected on %2</source>
        <translation>%1 - verbunden über %2</translation>
    </message>
</context>
<context>
    <name>corvex::CompareDialog</name>
    <message>
        <source>The Corvex</source>
        <translation>Der Corvex</translation>
    </message>
    <message>
        <source>The local store</source>
        <translation>Der lokale Speicher</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Eine Datei</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>A program file is compared with &amp;program:</source>
        <translation>Eine Programmdatei wird verglichen mit &amp;Programm:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>A store, backup or program file</source>
        <translation>Ein Speicher, eine Sicherung oder eine Programmdatei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Corvex files (*.ini *.txt);;All files (*)</source>
        <translation>Corvex-Dateien (*.ini *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the file to compare.</source>
        <translation>Wählen Sie die Datei, die verglichen werden soll.</translation>
    </message>
    <message>
        <source>Local store</source>
        <translation>Lokaler Speicher</translation>
    </message>
    <message>
        <source>Compare the Corvex with the local store or a file.</source>
        <translation>Vergleichen Sie den Corvex mit dem lokalen Speicher oder einer Datei.</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message numerus="yes">
        <source>%n differences.</source>
        <translation>
            <numerusform>%n Unterschied.</numerusform>
            <numerusform>%n Unterschiede.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the Corvex...</source>
        <translation>Der Corvex wird gelesen...</translation>
    </message>
    <message>
        <source>Left side source</source>
        <translation>Quelle der linken Seite</translation>
    </message>
    <message>
        <source>Left side file</source>
        <translation>Datei der linken Seite</translation>
    </message>
    <message>
        <source>Browse for the left side file</source>
        <translation>Datei der linken Seite suchen</translation>
    </message>
    <message>
        <source>Right side source</source>
        <translation>Quelle der rechten Seite</translation>
    </message>
    <message>
        <source>Right side file</source>
        <translation>Datei der rechten Seite</translation>
    </message>
    <message>
        <source>Browse for the right side file</source>
        <translation>Datei der rechten Seite suchen</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Compare status</source>
        <translation>Stand des Vergleichs</translation>
    </message>
    <message>
        <source>Reading the Corvex: %1</source>
        <translation>Der Corvex wird gelesen: %1</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
</context>
<context>
    <name>corvex::ConnectionFrame</name>
    <message>
        <source>Read from Corvex</source>
        <translation>Vom Corvex lesen</translation>
    </message>
    <message>
        <source>Read ALL from Corvex</source>
        <translation>ALLE vom Corvex lesen</translation>
    </message>
    <message>
        <source>Connection to Corvex</source>
        <translation>Verbindung zum Corvex</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>corvex::JobProgressDialog</name>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>The Corvex does not answer; trying again (%1 of %2)...</source>
        <translation>Der Corvex antwortet nicht; neuer Versuch (%1 von %2)...</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Stand der Übertragung</translation>
    </message>
</context>
<context>
    <name>corvex::LoadWindow</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>corvex::MainWindow</name>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Reagents</source>
        <translation>Reagenzien</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Program...</source>
        <translation>Programm &amp;importieren...</translation>
    </message>
    <message>
        <source>Export &amp;Program...</source>
        <translation>Programm e&amp;xportieren...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>System Requirements...</source>
        <translation>&amp;Systemvoraussetzungen...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Finishing the transfer before closing...</source>
        <translation>Die Übertragung wird vor dem Schließen beendet...</translation>
    </message>
    <message>
        <source>Send Program to Corvex</source>
        <translation>Programm an den Corvex senden</translation>
    </message>
    <message>
        <source>%1, which is stored on the Corvex, will be overwritten. Are you sure?</source>
        <translation>%1, das auf dem Corvex gespeichert ist, wird überschrieben. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Send to Corvex</source>
        <translation>An den Corvex senden</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>Send reagent</source>
        <translation>Reagenz senden</translation>
    </message>
    <message>
        <source>Programs and reagents</source>
        <translation>Programme und Reagenzien</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Registerkarten</translation>
    </message>
    <message>
        <source>Back Up Instrument</source>
        <translation>Gerät sichern</translation>
    </message>
    <message>
        <source>Restore Instrument</source>
        <translation>Gerät wiederherstellen</translation>
    </message>
    <message>
        <source>%1 read.</source>
        <translation>%1 gelesen.</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1 gesendet.</translation>
    </message>
    <message>
        <source>Reading %1 stopped; it is unchanged.</source>
        <translation>Lesen von %1 angehalten; es ist unverändert.</translation>
    </message>
    <message>
        <source>%1 read, but not saved.</source>
        <translation>%1 gelesen, aber nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 sent, but not saved.</source>
        <translation>%1 gesendet, aber nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 was not read.</source>
        <translation>%1 wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 was not sent.</source>
        <translation>%1 wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>1 name saved</source>
        <translation>1 Name gespeichert</translation>
    </message>
    <message>
        <source>%1 names saved</source>
        <translation>%1 Namen gespeichert</translation>
    </message>
    <message>
        <source>Read ALL done; %1.</source>
        <translation>ALLE lesen beendet; %1.</translation>
    </message>
    <message>
        <source>Read ALL stopped; no names read.</source>
        <translation>ALLE lesen angehalten; keine Namen gelesen.</translation>
    </message>
    <message>
        <source>Read ALL stopped after %1; %2.</source>
        <translation>ALLE lesen nach %1 angehalten; %2.</translation>
    </message>
    <message>
        <source>Read ALL read %1 names, but they were not saved.</source>
        <translation>ALLE lesen hat %1 Namen gelesen, aber sie wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Read ALL failed; no names read.</source>
        <translation>ALLE lesen fehlgeschlagen; keine Namen gelesen.</translation>
    </message>
    <message>
        <source>Read ALL failed after %1; %2.</source>
        <translation>ALLE lesen nach %1 fehlgeschlagen; %2.</translation>
    </message>
</context>
<context>
    <name>corvex::NameBox</name>
    <message>
        <source>“%1” can&apos;t be stored on the Corvex and was left out.</source>
        <translation>„%1“ kann auf dem Corvex nicht gespeichert werden und wurde weggelassen.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be stored on the Corvex and were left out.</source>
        <translation>„%1“ können auf dem Corvex nicht gespeichert werden und wurden weggelassen.</translation>
    </message>
</context>
<context>
    <name>corvex::PrintDialog</name>
    <message>
        <source>Print Program...</source>
        <translation>Programm drucken...</translation>
    </message>
    <message>
        <source>Print What</source>
        <translation>Druckauswahl</translation>
    </message>
    <message>
        <source>Reagent List</source>
        <translation>Reagenzliste</translation>
    </message>
    <message>
        <source>Program(s):</source>
        <translation>Programm(e):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Current Date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>Additional Text (Optional):</source>
        <translation>Zusätzlicher Text (optional):</translation>
    </message>
    <message>
        <source>Logo Preview</source>
        <translation>Logo-Vorschau</translation>
    </message>
    <message>
        <source>Open &amp;Logo...</source>
        <translation>&amp;Logo öffnen...</translation>
    </message>
    <message>
        <source>&amp;Print Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>If you want to print a Logo, you have to load a Picture File first.</source>
        <translation>Um ein Logo zu drucken, müssen Sie zuerst eine Bilddatei laden.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>All Picture Files (*.bmp *.jpg *.jpeg *.wmf *.emf *.gif *.png);;Bitmap File (*.bmp);;JPEG File (*.jpg *.jpeg);;Windows Meta File (*.wmf);;Enhanced Meta File (*.emf);;GIF File (*.gif);;PNG File (*.png)</source>
        <translation>Alle Bilddateien (*.bmp *.jpg *.jpeg *.wmf *.emf *.gif *.png);;Bitmap-Datei (*.bmp);;JPEG-Datei (*.jpg *.jpeg);;Windows-Metadatei (*.wmf);;Erweiterte Metadatei (*.emf);;GIF-Datei (*.gif);;PNG-Datei (*.png)</translation>
    </message>
    <message>
        <source>Open Logo...</source>
        <translation>Logo öffnen...</translation>
    </message>
    <message>
        <source>First program</source>
        <translation>Erstes Programm</translation>
    </message>
    <message>
        <source>1 to 99</source>
        <translation>1 bis 99</translation>
    </message>
    <message>
        <source>Last program</source>
        <translation>Letztes Programm</translation>
    </message>
    <message>
        <source>Logo preview</source>
        <translation>Logo-Vorschau</translation>
    </message>
    <message>
        <source>OK, print</source>
        <translation>OK, drucken</translation>
    </message>
</context>
<context>
    <name>corvex::ProgramEditor</name>
    <message>
        <source>Paste Program</source>
        <translation>Programm einfügen</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Paste Vial</source>
        <translation>Station einfügen</translation>
    </message>
    <message>
        <source>Vial</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Delete Vial</source>
        <translation>Station löschen</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Send to Corvex</source>
        <translation>An den Corvex senden</translation>
    </message>
    <message>
        <source>Program 01</source>
        <translation>Programm 01</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Program Name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Program Type</source>
        <translation>Programmtyp</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <source>Program number</source>
        <translation>Programmnummer</translation>
    </message>
    <message>
        <source>1 to 99, the program shown, read and sent; Up and Down step through them</source>
        <translation>1 bis 99, das gezeigte, gelesene und gesendete Programm; Pfeil auf und ab blättern durch die Programme</translation>
    </message>
    <message>
        <source>Program number up or down</source>
        <translation>Programmnummer auf oder ab</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Stand der Übertragung</translation>
    </message>
    <message>
        <source>Program name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Up to 13 characters</source>
        <translation>Bis zu 13 Zeichen</translation>
    </message>
    <message>
        <source>Program type</source>
        <translation>Programmtyp</translation>
    </message>
    <message>
        <source>Total time of the program</source>
        <translation>Gesamtzeit des Programms</translation>
    </message>
    <message>
        <source>Copy program</source>
        <translation>Programm kopieren</translation>
    </message>
    <message>
        <source>Paste program</source>
        <translation>Programm einfügen</translation>
    </message>
    <message>
        <source>Delete program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Vials of the program</source>
        <translation>Stationen des Programms</translation>
    </message>
    <message>
        <source>Enter edits the selected vial; the context-menu key copies, pastes or deletes it</source>
        <translation>Eingabe bearbeitet die gewählte Station; die Kontextmenütaste kopiert, fügt ein oder löscht sie</translation>
    </message>
</context>
<context>
    <name>corvex::ReagentEditor</name>
    <message>
        <source>Reagent %1:</source>
        <translation>Reagenz %1:</translation>
    </message>
    <message>
        <source>Reagent:</source>
        <translation>Reagenz:</translation>
    </message>
    <message>
        <source>&amp;Send reagent</source>
        <translation>Reagenz &amp;senden</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Are you sure that you want to rename this reagent? It is used by the Corvex to designate an empty vial.</source>
        <translation>Wollen Sie dieses Reagenz wirklich umbenennen? Der Corvex kennzeichnet damit eine leere Station.</translation>
    </message>
    <message>
        <source>  not sent: &quot;%1&quot;</source>
        <translation>  nicht gesendet: „%1“</translation>
    </message>
    <message>
        <source>Reagent number</source>
        <translation>Reagenznummer</translation>
    </message>
    <message>
        <source>1 to 200, the reagent that Read from Corvex reads; Up and Down step through them</source>
        <translation>1 bis 200, das Reagenz, das „Vom Corvex lesen“ liest; Pfeil auf und ab blättern durch die Reagenzien</translation>
    </message>
    <message>
        <source>Reagent number up or down</source>
        <translation>Reagenznummer auf oder ab</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Stand der Übertragung</translation>
    </message>
    <message>
        <source>Reagent names</source>
        <translation>Reagenznamen</translation>
    </message>
    <message>
        <source>Enter edits the selected name; the context-menu key copies, pastes or deletes it</source>
        <translation>Eingabe bearbeitet den gewählten Namen; die Kontextmenütaste kopiert, fügt ein oder löscht ihn</translation>
    </message>
    <message>
        <source>The selected reagent&apos;s new name, up to 13 characters</source>
        <translation>Der neue Name des gewählten Reagenzes, bis zu 13 Zeichen</translation>
    </message>
</context>
<context>
    <name>corvex::RequirementsWindow</name>
    <message>
        <source>System Requirements</source>
        <translation>Systemvoraussetzungen</translation>
    </message>
    <message>
        <source>Minimum Requirements:</source>
        <translation>Mindestvoraussetzungen:</translation>
    </message>
    <message>
        <source> - Intel 80486 CPU</source>
        <translation> - Prozessor Intel 80486</translation>
    </message>
    <message>
        <source> - 16 MB RAM</source>
        <translation> - 16 MB Arbeitsspeicher</translation>
    </message>
    <message>
        <source> - 4 MB free HD Space</source>
        <translation> - 4 MB freier Festplattenspeicher</translation>
    </message>
    <message>
        <source>Recommended:</source>
        <translation>Empfohlen:</translation>
    </message>
    <message>
        <source> - 133 MHz CPU or faster</source>
        <translation> - Prozessor mit 133 MHz oder schneller</translation>
    </message>
    <message>
        <source> - 32 MB RAM</source>
        <translation> - 32 MB Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Supported Operating Systems:</source>
        <translation>Unterstützte Betriebssysteme:</translation>
    </message>
    <message>
        <source> - Windows 95, Windows 98, Windows 98 SE, Windows ME</source>
        <translation> - Windows 95, Windows 98, Windows 98 SE, Windows ME</translation>
    </message>
    <message>
        <source> - Windows NT 4.0 (SP 6 or higher), Windows 2000, Windows XP</source>
        <translation> - Windows NT 4.0 (SP 6 oder höher), Windows 2000, Windows XP</translation>
    </message>
    <message>
        <source>Serial Port (COM) is required for connection.</source>
        <translation>Für die Verbindung ist eine serielle Schnittstelle (COM) nötig.</translation>
    </message>
    <message>
        <source>System requirements</source>
        <translation>Systemvoraussetzungen</translation>
    </message>
</context>
<context>
    <name>corvex::SettingsDialog</name>
    <message>
        <source>%1 (no access)</source>
        <translation>%1 (kein Zugriff)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Communication Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Find Device</source>
        <translation>Gerät suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Looking for Device...</source>
        <translation>Gerät wird gesucht...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verify every transfer: read each byte until two readings agree,
read back each byte sent (takes about twice as long)</source>
        <translation>Jede Übertragung prüfen: jedes Byte lesen, bis zwei Lesungen übereinstimmen,
jedes gesendete Byte zurücklesen (dauert etwa doppelt so lange)</translation>
    </message>
    <message>
        <source>Device: (search all ports)</source>
        <translation>Gerät: (alle Schnittstellen durchsuchen)</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <source>Device couldn&apos;t be found.</source>
        <translation>Das Gerät wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The Corvex answers on %1.</source>
        <translation>Der Corvex antwortet über %1.</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Serial port, COM1 to COM16; the device it opens is shown below</source>
        <translation>Serielle Schnittstelle, COM1 bis COM16; das Gerät, das sie öffnet, steht darunter</translation>
    </message>
    <message>
        <source>Device of the port</source>
        <translation>Gerät der Schnittstelle</translation>
    </message>
    <message>
        <source>Cancel the search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>Verify every transfer</source>
        <translation>Jede Übertragung prüfen</translation>
    </message>
    <message>
        <source>Read each byte until two readings agree, read back each byte sent (takes about twice as long)</source>
        <translation>Jedes Byte lesen, bis zwei Lesungen übereinstimmen, jedes gesendete Byte zurücklesen (dauert etwa doppelt so lange)</translation>
    </message>
</context>
<context>
    <name>corvex::TransferLogDialog</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>(damaged line)</source>
        <translation>(beschädigte Zeile)</translation>
    </message>
    <message>
        <source>Transfer Log</source>
        <translation>Übertragungsprotokoll</translation>
    </message>
    <message>
        <source>Show only lines that contain...</source>
        <translation>Nur Zeilen zeigen, die Folgendes enthalten...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtern:</translation>
    </message>
    <message>
        <source>Export Transfer Log</source>
        <translation>Übertragungsprotokoll exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The message of the selected line</source>
        <translation>Die Meldung der gewählten Zeile</translation>
    </message>
    <message>
        <source>The newest %1 of %2 lines are shown; &quot;corvexctl log&quot; shows them all.</source>
        <translation>Die neuesten %1 von %2 Zeilen werden gezeigt; „corvexctl log“ zeigt alle.</translation>
    </message>
    <message>
        <source>Transfer log entries</source>
        <translation>Einträge des Übertragungsprotokolls</translation>
    </message>
    <message>
        <source>Message of the selected line</source>
        <translation>Meldung der gewählten Zeile</translation>
    </message>
</context>
<context>
    <name>corvex::VialEditor</name>
    <message>
        <source>Edit Vial</source>
        <translation>Station bearbeiten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Heater/Cooler</source>
        <translation>Heizung/Kühlung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Reagent of the vial</source>
        <translation>Reagenz der Station</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>0 to 99</source>
        <translation>0 bis 99</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 bis 59</translation>
    </message>
    <message>
        <source>Agitation</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Heater/Cooler off</source>
        <translation>Heizung/Kühlung aus</translation>
    </message>
    <message>
        <source>Heater/Cooler on</source>
        <translation>Heizung/Kühlung ein</translation>
    </message>
    <message>
        <source>Temperature in °C</source>
        <translation>Temperatur in °C</translation>
    </message>
    <message>
        <source>4 to 60, while the heater/cooler is on</source>
        <translation>4 bis 60, solange die Heizung/Kühlung ein ist</translation>
    </message>
    <message>
        <source>Ok, store the vial</source>
        <translation>OK, Station übernehmen</translation>
    </message>
</context>
<context>
    <name>corvex::WholeInstrumentActions</name>
    <message>
        <source>Back Up Instrument</source>
        <translation>Gerät sichern</translation>
    </message>
    <message>
        <source>Restore Instrument</source>
        <translation>Gerät wiederherstellen</translation>
    </message>
    <message>
        <source>Corvex backups (*.ini);;All files (*)</source>
        <translation>Corvex-Sicherungen (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All 99 programs and all 200 reagent names on the Corvex will be overwritten by those of &quot;%1&quot;</source>
        <translation>Alle 99 Programme und alle 200 Reagenznamen auf dem Corvex werden durch die aus „%1“ überschrieben</translation>
    </message>
    <message>
        <source>, backed up on %1 from %2</source>
        <translation>, gesichert am %1 über %2</translation>
    </message>
    <message>
        <source>.

The backup holds the same as the local store.</source>
        <translation>.

Die Sicherung enthält dasselbe wie der lokale Speicher.</translation>
    </message>
    <message numerus="yes">
        <source>.

It differs from the local store (the last copy of the Corvex) in %n items; the details list them.</source>
        <translation>
            <numerusform>.

Sie unterscheidet sich vom lokalen Speicher (der letzten Kopie des Corvex) in %n Eintrag; die Details zeigen ihn.</numerusform>
            <numerusform>.

Sie unterscheidet sich vom lokalen Speicher (der letzten Kopie des Corvex) in %n Einträgen; die Details zeigen sie.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Restore the backup now?</source>
        <translation>

Die Sicherung jetzt zurückspielen?</translation>
    </message>
    <message>
        <source>Transfer Log</source>
        <translation>Übertragungsprotokoll</translation>
    </message>
    <message>
        <source>&amp;Back Up Instrument...</source>
        <translation>Gerät &amp;sichern...</translation>
    </message>
    <message>
        <source>Res&amp;tore Instrument...</source>
        <translation>Gerät &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Vergleichen...</translation>
    </message>
    <message>
        <source>Transfer &amp;Log...</source>
        <translation>&amp;Übertragungsprotokoll...</translation>
    </message>
    <message>
        <source>The Corvex is not connected. Connect it in File &gt; Settings... first.</source>
        <translation>Der Corvex ist nicht verbunden. Verbinden Sie ihn zuerst unter Datei &gt; Einstellungen...</translation>
    </message>
    <message>
        <source>The Corvex has been backed up to &quot;%1&quot; (%2 bytes read).</source>
        <translation>Der Corvex wurde in „%1“ gesichert (%2 Bytes gelesen).</translation>
    </message>
    <message>
        <source>Local store -&gt; backup:
</source>
        <translation>Lokaler Speicher -&gt; Sicherung:
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been restored to the Corvex and saved to the local store.</source>
        <translation>„%1“ wurde auf den Corvex zurückgespielt und im lokalen Speicher gespeichert.</translation>
    </message>
    <message>
        <source>Another transfer is under way. Try again when it has ended.</source>
        <translation>Eine andere Übertragung läuft. Versuchen Sie es erneut, wenn sie beendet ist.</translation>
    </message>
</context>
</TS>
