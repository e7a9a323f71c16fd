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
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <source>Reading the Corvex</source>
        <translation>Der Corvex wird gelesen</translation>
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
</context>
</TS>
