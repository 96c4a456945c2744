<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccuracyReport</name>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message numerus="yes">
        <source>Genauigkeit von OSPL, OSPR und APV: %n simulierte Hörer (Startwert %1), %2, %3</source>
        <translation>
            <numerusform>Accuracy of OSPL, OSPR and APV: %n simulated listener (seed %1), %2, %3</numerusform>
            <numerusform>Accuracy of OSPL, OSPR and APV: %n simulated listeners (seed %1), %2, %3</numerusform>
        </translation>
    </message>
    <message>
        <source>mit Gehörschutz im 2. Durchlauf</source>
        <translation>with hearing protector in run 2</translation>
    </message>
    <message>
        <source>ohne Gehörschutz</source>
        <translation>without hearing protector</translation>
    </message>
    <message>
        <source>menschliche Hörer</source>
        <translation>human listeners</translation>
    </message>
    <message>
        <source>exakte Hörer</source>
        <translation>exact listeners</translation>
    </message>
    <message numerus="yes">
        <source>Einstellungen: Anfangspegel %1 dB HL, Pegelschritt %2 dB, Signal %3 s, Lücke %4 s, Testdauer %5 s, %n Richtungswechsel, Probelauf %6, Praxisabweichung %7</source>
        <translation>
            <numerusform>Settings: start level %1 dB HL, level step %2 dB, signal %3 s, gap %4 s, test duration %5 s, %n reversal, trial run %6, practice deviation %7</numerusform>
            <numerusform>Settings: start level %1 dB HL, level step %2 dB, signal %3 s, gap %4 s, test duration %5 s, %n reversals, trial run %6, practice deviation %7</numerusform>
        </translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör mit einer normalhörenden Person (%1 dB HL); der lauteste Ton liegt %2 dB über ihrer Hörschwelle.</source>
        <translation>Calibration by ear with a person of normal hearing (%1 dB HL); the loudest tone lies %2 dB above their hearing threshold.</translation>
    </message>
    <message>
        <source>Wahrer Wert: der Summenwert der exakten Hörschwellen (Mittel von 1. - 2. Durchlauf über die getesteten Frequenzen, mit Praxisabweichung +5 dB, gerundet wie im Programm).</source>
        <translation>True value: the summary figure of the exact hearing thresholds (mean of run 1 - run 2 over the tested frequencies, with practice deviation +5 dB, rounded as in the program).</translation>
    </message>
    <message>
        <source>Fehler gegen den wahren Wert (dB)   Mittel  Std.-Abw.  95 %-Wert |F|  max |F|  ohne Wert</source>
        <translation>Error against the true value (dB)     Mean  Std. dev.  95th pct. |E|  max |E|   no value</translation>
    </message>
    <message>
        <source>Frequenzen ohne Ergebnis                         1. Durchlauf        2. Durchlauf</source>
        <translation>Frequencies without a result                             Run 1               Run 2</translation>
    </message>
    <message>
        <source>  jenseits des lautesten Tons</source>
        <translation>  beyond the loudest tone</translation>
    </message>
    <message>
        <source>  Zeit abgelaufen / zu wenige Umkehrungen</source>
        <translation>  time ran out / too few reversals</translation>
    </message>
    <message>
        <source>  zusammen</source>
        <translation>  total</translation>
    </message>
    <message>
        <source>  getestete Frequenzen (Ohr x Frequenz x Test)</source>
        <translation>  tested frequencies (ear x frequency x test)</translation>
    </message>
    <message>
        <source>Mittlere Testdauer (beide Durchläufe): %1:%2 min</source>
        <translation>Mean test duration (both runs): %1:%2 min</translation>
    </message>
    <message>
        <source>Nicht zu Ende gelaufene Tests: %1</source>
        <translation>Tests that did not finish: %1</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>Die Person fehlt im Archiv.</source>
        <translation>The person is missing from the archive.</translation>
    </message>
    <message>
        <source>Der Test bekam keine Nummer.</source>
        <translation>The test was given no number.</translation>
    </message>
    <message>
        <source>Im Archiv gibt es keinen Test %1.</source>
        <translation>There is no test %1 in the archive.</translation>
    </message>
    <message>
        <source>Im Archiv gibt es keine Person %1.</source>
        <translation>There is no person %1 in the archive.</translation>
    </message>
</context>
<context>
    <name>ArchiveChart</name>
    <message>
        <source>Keine Tests</source>
        <translation>No tests</translation>
    </message>
</context>
<context>
    <name>ArchiveConnection</name>
    <message>
        <source>Das Archiv %1 meldet einen Fehler: %2</source>
        <translation>The archive %1 reports an error: %2</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>The archive %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Der PostgreSQL-Treiber von Qt (Paket libqt6sql6-psql) ist nicht installiert.</source>
        <translation>Qt's PostgreSQL driver (package libqt6sql6-psql) is not installed.</translation>
    </message>
    <message>
        <source>Der SQLite-Treiber von Qt (Paket libqt6sql6-sqlite) ist nicht installiert.</source>
        <translation>Qt's SQLite driver (package libqt6sql6-sqlite) is not installed.</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht angelegt werden: %2</source>
        <translation>The archive %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist nicht erreichbar: %2</source>
        <translation>The archive %1 cannot be reached: %2</translation>
    </message>
</context>
<context>
    <name>ArchiveFitCheck</name>
    <message>
        <source>Im Archiv gibt es keinen Test %1.</source>
        <translation>There is no test %1 in the archive.</translation>
    </message>
</context>
<context>
    <name>ArchiveSchema</name>
    <message>
        <source>Das Archiv wurde von einer neueren Programmversion angelegt (Schema %1, dieses Programm kennt bis %2). Es wird nicht verändert; bitte aktualisieren Sie das Programm.</source>
        <translation>The archive was created by a newer version of the program (schema %1; this program knows up to %2). It is left unchanged; please update the program.</translation>
    </message>
</context>
<context>
    <name>ArchiveSpool</name>
    <message>
        <source>Ein wartender Test ist beschädigt und bleibt im Zwischenspeicher.</source>
        <translation>A waiting test is damaged and remains in the local queue.</translation>
    </message>
</context>
<context>
    <name>ArchiveTypes</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Der Port des Archivservers „%1“ ist keine Zahl von 1 bis 65535.</source>
        <translation>The archive server port “%1” is not a number from 1 to 65535.</translation>
    </message>
</context>
<context>
    <name>Archivist</name>
    <message>
        <source>Die Ergebnisse sind noch nicht archiviert.
%1
Sie warten auf diesem Platz und werden gesendet, sobald das Archiv erreichbar ist (spätestens beim nächsten Start oder Test).</source>
        <translation>The results have not been archived yet.
%1
They are waiting on this workstation and will be sent as soon as the archive can be reached (at the latest on the next start or test).</translation>
    </message>
    <message>
        <source>Die Ergebnisse konnten weder archiviert noch auf diesem Platz zurückgehalten werden.
%1
Bitte speichern Sie den Test als Datei.</source>
        <translation>The results could neither be archived nor held on this workstation.
%1
Please save the test as a file.</translation>
    </message>
    <message>
        <source>Das Programm wird beendet.</source>
        <translation>The program is closing.</translation>
    </message>
    <message>
        <source>Noch nicht archivierte Tests warten weiter auf diesem Platz.
%1</source>
        <translation>Tests not yet archived are still waiting on this workstation.
%1</translation>
    </message>
</context>
<context>
    <name>Args</name>
    <message>
        <source>--%1: "%2" hat keine bekannte Endung; möglich: %3</source>
        <translation>--%1: "%2" has no known extension; possible: %3</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Die Option --%1 ist mehrfach angegeben</source>
        <translation>The option --%1 is given more than once</translation>
    </message>
    <message>
        <source>Die Option --%1 erwartet keinen Wert</source>
        <translation>The option --%1 takes no value</translation>
    </message>
    <message>
        <source>Die Option --%1 erwartet einen Wert</source>
        <translation>The option --%1 needs a value</translation>
    </message>
    <message>
        <source>Die Option %1 fehlt</source>
        <translation>The option %1 is missing</translation>
    </message>
    <message>
        <source>Es fehlen die Optionen %1 und %2</source>
        <translation>The options %1 and %2 are missing</translation>
    </message>
    <message>
        <source>--%1: "%2" ist keine ganze Zahl von %3 bis %4</source>
        <translation>--%1: "%2" is not a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>--%1: "%2" ist keine Zahl von %3 bis %4</source>
        <translation>--%1: "%2" is not a number from %3 to %4</translation>
    </message>
    <message>
        <source>--%1 nimmt "on" oder "off"</source>
        <translation>--%1 takes "on" or "off"</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>The file cannot be created.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht geöffnet.</source>
        <translation>The file is not open.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden.</source>
        <translation>The file cannot be written.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gesichert werden.</source>
        <translation>The file cannot be flushed to disk.</translation>
    </message>
    <message>
        <source>Die Datei ist unvollständig.</source>
        <translation>The file is incomplete.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschlossen werden.</source>
        <translation>The file cannot be closed.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden.</source>
        <translation>The file cannot be replaced.</translation>
    </message>
</context>
<context>
    <name>AudiogramPainter</name>
    <message>
        <source>Test1</source>
        <translation>Test1</translation>
    </message>
    <message>
        <source>Test2</source>
        <translation>Test2</translation>
    </message>
    <message>
        <source>Testdatum Test 1: %1 Uhrzeit: %2 Test 2: %3 Uhrzeit: %4.</source>
        <translation>Test date Test 1: %1 Time: %2 Test 2: %3 Time: %4.</translation>
    </message>
</context>
<context>
    <name>CalibrationFile</name>
    <message>
        <source>Not a valid Calibration Data File</source>
        <translation>Not a valid calibration data file</translation>
    </message>
    <message>
        <source>Vorlandt Klarovent Kalibrierung (*.vkk)</source>
        <translation>Vorlandt Klarovent calibration (*.vkk)</translation>
    </message>
    <message>
        <source>Open Calibration Data File</source>
        <translation>Open calibration file</translation>
    </message>
    <message>
        <source>Save Calibration Data File</source>
        <translation>Save calibration file</translation>
    </message>
</context>
<context>
    <name>CmdAccuracy</name>
    <message>
        <source>tavo accuracy --settings STORE.reg [--listeners N] [--seed K] [--plug]
              [--exact-listeners] [--second-run-offset on|off] [--jobs J]

Misst, wie genau OSPL, OSPR und APV nach einer Kalibrierung nach Gehör sind:
kalibriert das Audiometer einmal mit einem simulierten normalhörenden Hörer
(wie tavo calibrate-sim) und testet dann N simulierte Personen (Vorgabe 200)
mit den Einstellungen aus STORE.reg (wie tavo simulate, auf der virtuellen Uhr).
Die Personen hören wie Beschäftigte mit üblichem Gehör (-10 bis 20 dB HL, die
Ohren einige dB verschieden) und antworten menschlich (eine psychometrische
Steigung von 1 bis 3 dB, 150 bis 400 ms Reaktionszeit, gelegentliche
Fehldrücke); jede ist aus dem Startwert K und ihrer Nummer gemacht.

  --plug               im 2. Durchlauf ein Gehörschutz mit 10 bis 35 dB Dämmung
                       je Ohr und Frequenz
  --exact-listeners    exakte Hörer statt menschlicher
  --second-run-offset on|off  "Praxisabweichung" (Vorgabe: on)
  --jobs J             so viele Prozesse zugleich (Vorgabe: einer je Prozessorkern)

Ausgabe: eine Tabelle mit dem Fehler von OSPL, OSPR und APV gegen den wahren
Wert (Mittel, Standardabweichung, 95-%-Wert und Maximum des Betrags), den
Frequenzen ohne Ergebnis je Durchlauf (jenseits des lautesten Tons, den die
Kalibrierung erlaubt, oder weil die Zeit ablief) und der mittleren Testdauer.
Auf einem Terminal zeigt stderr den Fortschritt. Exit-Code 0 nach der Messung,
1 bei einem Fehler, 2 bei falschen Argumenten.</source>
        <translation>tavo accuracy --settings STORE.reg [--listeners N] [--seed K] [--plug]
              [--exact-listeners] [--second-run-offset on|off] [--jobs J]

Measures how accurate OSPL, OSPR and APV are after a calibration by ear:
calibrates the audiometer once with a simulated listener of normal hearing
(like tavo calibrate-sim) and then tests N simulated people (default 200)
with the settings from STORE.reg (like tavo simulate, on the virtual clock).
The people hear like employees with ordinary hearing (-10 to 20 dB HL, the
ears a few dB apart) and respond like humans (a psychometric slope of 1 to
3 dB, 150 to 400 ms reaction time, occasional false presses); each one is
made from the seed K and its number.

  --plug               in run 2 a hearing protector with 10 to 35 dB attenuation
                       per ear and frequency
  --exact-listeners    exact listeners instead of human ones
  --second-run-offset on|off  "practice deviation" (default: on)
  --jobs J             number of processes at once (default: one per CPU core)

Output: a table with the error of OSPL, OSPR and APV against the true
value (mean, standard deviation, 95th percentile and maximum of the absolute
value), the frequencies without a result per run (beyond the loudest tone the
calibration allows, or because the time ran out) and the mean test duration.
On a terminal, stderr shows the progress. Exit code 0 after the measurement,
1 on an error, 2 on wrong arguments.</translation>
    </message>
    <message>
        <source>--worker nimmt ERSTER:ANZAHL</source>
        <translation>--worker takes FIRST:COUNT</translation>
    </message>
    <message>
        <source>Exit-Code %1</source>
        <translation>exit code %1</translation>
    </message>
    <message>
        <source>der Prozess ließ sich nicht starten</source>
        <translation>the process could not be started</translation>
    </message>
    <message>
        <source>Ein Teilprozess ist gescheitert: %1</source>
        <translation>A worker process failed: %1</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--worker und --worker-calibration gehören zusammen</source>
        <translation>--worker and --worker-calibration go together</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör ...</source>
        <translation>Calibration by ear ...</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Calibration: %1</translation>
    </message>
    <message>
        <source>Hörer %1 von %2 getestet</source>
        <translation>Listener %1 of %2 tested</translation>
    </message>
    <message>
        <source>Es kamen nur %1 von %2 Ergebnissen an.</source>
        <translation>Only %1 of %2 results arrived.</translation>
    </message>
    <message>
        <source>Genauigkeit der Summenwerte mit simulierten Hörern messen</source>
        <translation>measure the accuracy of the summary figures with simulated listeners</translation>
    </message>
</context>
<context>
    <name>CmdArchive</name>
    <message>
        <source>tavo archive import DATEI.vkt... [ARCHIV]
tavo archive list [--person TEXT] [ARCHIV]
tavo archive show ID [ARCHIV]
tavo archive open ID --out DATEI.vkt [ARCHIV]
tavo archive delete-person NAME --yes [ARCHIV]
tavo archive export --csv TESTS.csv [--per-frequency FREQUENZEN.csv] [--person TEXT]
                    [--from DATUM] [--to DATUM] [ARCHIV]
ARCHIV: --archive ARCHIV.sqlite | --server [--store DATEI]

Das Ergebnisarchiv: jeder Test je Person. Ohne ARCHIV das Archiv dieses
Platzes ($XDG_DATA_HOME/tavoaudiometer/archive.sqlite); --server nimmt den
PostgreSQL-Server der Einstellungen (Seite "Archiv"; --store: eine andere
Einstellungsdatei). Ein Passwort findet libpq selbst (~/.pgpass, PGSERVICE).

  import         nimmt Testdateien auf (auch von anderen Installationen); eine
                 Datei, die schon im Archiv ist (dieselben Bytes), wird übersprungen
  list           Personen (mit --person: deren Name TEXT enthält, Groß- und
                 Kleinschreibung egal) mit ihren Tests: ID, Datum, Ort, OSPL,
                 OSPR, APV, Zustand
  show ID        ein Test mit seinen Angaben
  open ID        schreibt die Testdatei eines Tests, Byte für Byte wie archiviert
  delete-person  löscht eine Person mit allen ihren Tests (nur mit --yes)
  export         schreibt CSV für eine Tabellenkalkulation (UTF-8 mit BOM,
                 Semikolons): eine Zeile je Test, mit --per-frequency eine zweite
                 Datei mit einer Zeile je Test, Durchlauf, Ohr und Frequenz;
                 --from und --to (JJJJ-MM-TT oder TT.MM.JJJJ) begrenzen das Datum
                 des ersten Durchlaufs

Exit-Code 0 bei Erfolg, 1 bei einem Fehler (Archiv nicht erreichbar, Datei
unlesbar, unbekannte ID oder Person), 2 bei falschen Argumenten.</source>
        <translation>tavo archive import FILE.vkt... [ARCHIVE]
tavo archive list [--person TEXT] [ARCHIVE]
tavo archive show ID [ARCHIVE]
tavo archive open ID --out FILE.vkt [ARCHIVE]
tavo archive delete-person NAME --yes [ARCHIVE]
tavo archive export --csv TESTS.csv [--per-frequency FREQUENCIES.csv]
                    [--person TEXT] [--from DATE] [--to DATE] [ARCHIVE]
ARCHIVE: --archive ARCHIVE.sqlite | --server [--store FILE]

The results archive: every test of every person. Without ARCHIVE, the archive
of this workstation ($XDG_DATA_HOME/tavoaudiometer/archive.sqlite); --server
uses the PostgreSQL server from the settings (page "Archive"; --store: another
settings file). libpq finds a password itself (~/.pgpass, PGSERVICE).

  import         takes in test files (from other installations too); a file
                 that is already in the archive (the same bytes) is skipped
  list           people (with --person: those whose name contains TEXT, upper
                 or lower case does not matter) with their tests: ID, date,
                 location, OSPL, OSPR, APV, state
  show ID        one test with its details
  open ID        writes the test file of a test, byte for byte as archived
  delete-person  deletes a person with all their tests (only with --yes)
  export         writes CSV for a spreadsheet (UTF-8 with BOM, semicolons):
                 one line per test; with --per-frequency a second file with
                 one line per test, run, ear and frequency; --from and --to
                 (YYYY-MM-DD or DD.MM.YYYY) limit the date of the first run

Exit code 0 on success, 1 on an error (archive unreachable, file unreadable,
unknown ID or person), 2 on wrong arguments.</translation>
    </message>
    <message>
        <source>--archive und --server schließen einander aus.</source>
        <translation>--archive and --server exclude each other.</translation>
    </message>
    <message>
        <source>Keine Test-ID: %1</source>
        <translation>Not a test ID: %1</translation>
    </message>
    <message>
        <source>Erwartet wird mindestens eine Testdatei.</source>
        <translation>At least one test file is expected.</translation>
    </message>
    <message>
        <source>aufgenommen als</source>
        <translation>imported as</translation>
    </message>
    <message>
        <source>schon im Archiv als</source>
        <translation>already in the archive as</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n Tests)</source>
        <translation>
            <numerusform>%1 (%n test)</numerusform>
            <numerusform>%1 (%n tests)</numerusform>
        </translation>
    </message>
    <message>
        <source>(ohne Namen)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>Test %1</translation>
    </message>
    <message>
        <source>Testperson:  %1</source>
        <translation>Subject:     %1</translation>
    </message>
    <message>
        <source>Testort:     %1</source>
        <translation>Location:    %1</translation>
    </message>
    <message>
        <source>Test 1:      %1 %2</source>
        <translation>Test 1:      %1 %2</translation>
    </message>
    <message>
        <source>Prüfung:     %1%2</source>
        <translation>Type:        %1%2</translation>
    </message>
    <message>
        <source>Erstprüfung </source>
        <translation>Initial test </translation>
    </message>
    <message>
        <source>Überwachungsprüfung</source>
        <translation>Monitoring test</translation>
    </message>
    <message>
        <source>Ergebnis:    %1</source>
        <translation>Result:      %1</translation>
    </message>
    <message>
        <source>i.O.</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>n.i.O.</source>
        <translation>fail</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Zustand:     %1</source>
        <translation>State:       %1</translation>
    </message>
    <message>
        <source>Platz:       %1</source>
        <translation>Workstation: %1</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Calibration: %1</translation>
    </message>
    <message>
        <source>Archiviert:  %1</source>
        <translation>Archived:    %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 mit %n Tests gelöscht.</source>
        <translation>
            <numerusform>%1 deleted with %n test.</numerusform>
            <numerusform>%1 deleted with %n tests.</numerusform>
        </translation>
    </message>
    <message>
        <source>Im Archiv gibt es keine Person „%1“.</source>
        <translation>There is no person “%1” in the archive.</translation>
    </message>
    <message>
        <source>Kein Datum für --%1: %2</source>
        <translation>Not a date for --%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Tests exportiert.</source>
        <translation>
            <numerusform>%n test exported.</numerusform>
            <numerusform>%n tests exported.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erwartet wird import, list, show, open, delete-person oder export.</source>
        <translation>Expected: import, list, show, open, delete-person or export.</translation>
    </message>
    <message>
        <source>Erwartet wird genau ein Argument.</source>
        <translation>Exactly one argument is expected.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Eine Person wird nur mit --yes gelöscht.</source>
        <translation>A person is deleted only with --yes.</translation>
    </message>
    <message>
        <source>Unbekannte Aktion: %1</source>
        <translation>Unknown action: %1</translation>
    </message>
    <message>
        <source>das Ergebnisarchiv: aufnehmen, zeigen, löschen</source>
        <translation>the results archive: import, show, delete</translation>
    </message>
</context>
<context>
    <name>CmdCalibrateSim</name>
    <message>
        <source>tavo calibrate-sim --listener HOERER.json --out KALIBRIERUNG.vkk
                   [--mixer KARTE.json] [--settings STORE.reg]

Kalibriert das Audiometer nach Gehör wie im Programm ("Neue Kalibrierung nach
Gehör", alle 22 Seiten, in seinen unsichtbaren Fenstern) mit einem simulierten
Hörer an der simulierten Soundkarte: auf jeder Seite schaltet er den Ton ein und
stellt Wave- und Master-Regler so, dass der Ton auf seiner Hörschwelle liegt
(so genau die Regler es erlauben); der Gain-Regler bleibt unten. Der Hörer muss
nach Hörpegel beschrieben sein ("scale": "hearing-level", docs/listener-json.md);
mit "known_audiogram": true gibt er seine Hörschwellen im gelben Feld ein.
Gespeichert wird, was der Dialog speichert.

  --mixer KARTE.json     eine andere simulierte Soundkarte (docs/mixer-device-json.md)
  --settings STORE.reg   Einstellungen (wird nicht verändert; Vorgabe: die
                         Auslieferungswerte)

Ausgabe: je Seite Ohr, Frequenz, Reglerstellung und wie weit der Ton dann über (+)
oder unter (-) der Hörschwelle liegt. Eine Seite, deren Ton nicht auf 3 dB an die
Schwelle kommt, wird auf stderr gemeldet. Exit-Code 0, wenn die Kalibrierung
gespeichert wurde, 1 bei einem Fehler, 2 bei falschen Argumenten.</source>
        <translation>tavo calibrate-sim --listener LISTENER.json --out CALIBRATION.vkk
                   [--mixer CARD.json] [--settings STORE.reg]

Calibrates the audiometer by ear as the program does ("New Calibration by
Ear", all 22 pages, in its invisible windows) with a simulated listener at
the simulated sound card: on every page the listener switches the tone on and
sets the Wave and Master controls so that the tone lies at their hearing
threshold (as closely as the controls allow); the Gain control stays at the
bottom. The listener must be described by hearing level ("scale":
"hearing-level", docs/listener-json.md); with "known_audiogram": true they
enter their hearing thresholds in the yellow field.
It saves what the dialog saves.

  --mixer CARD.json      another simulated sound card (docs/mixer-device-json.md)
  --settings STORE.reg   settings (left unchanged; default: the factory
                         values)

Output: per page the ear, frequency, control setting and how far the tone
then lies above (+) or below (-) the hearing threshold. A page whose tone does
not come within 3 dB of the threshold is reported on stderr. Exit code 0 if
the calibration was saved, 1 on an error, 2 on wrong arguments.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Der kalibrierende Hörer muss nach Hörpegel beschrieben sein ("scale": "hearing-level").</source>
        <translation>The calibrating listener must be described by hearing level ("scale": "hearing-level").</translation>
    </message>
    <message>
        <source>  %1 %2 Hz: Wave %3, Master %4, Ton %5 dB%6</source>
        <translation>  %1 %2 Hz: Wave %3, Master %4, tone %5 dB%6</translation>
    </message>
    <message>
        <source>links </source>
        <translation>left </translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>  (Schwelle nicht erreicht)</source>
        <translation>  (threshold not reached)</translation>
    </message>
    <message>
        <source>tavo calibrate-sim: Warnung: auf %1 von 22 Seiten kommt der Ton mit keiner Reglerstellung auf 3 dB an die Hörschwelle.</source>
        <translation>tavo calibrate-sim: warning: on %1 of 22 pages no control setting brings the tone within 3 dB of the hearing threshold.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör mit simuliertem Hörer</source>
        <translation>calibration by ear with a simulated listener</translation>
    </message>
</context>
<context>
    <name>CmdConvert</name>
    <message>
        <source>Erwartet werden genau zwei Dateinamen: EINGABE AUSGABE.</source>
        <translation>Exactly two file names are expected: INPUT OUTPUT.</translation>
    </message>
    <message>
        <source>Diese Umwandlung gibt es nicht. Möglich sind: .vkt/.aud -&gt; .json, .vkt/.aud -&gt; .txt, .json -&gt; .vkt/.aud, .vkk -&gt; .json, .json -&gt; .vkk</source>
        <translation>There is no such conversion. Possible are: .vkt/.aud -&gt; .json, .vkt/.aud -&gt; .txt, .json -&gt; .vkt/.aud, .vkk -&gt; .json, .json -&gt; .vkk</translation>
    </message>
    <message>
        <source>Test- und Kalibrierungsdateien umwandeln (JSON, Textexport)</source>
        <translation>convert test and calibration files (JSON, text export)</translation>
    </message>
    <message>
        <source>tavo convert EINGABE AUSGABE

Wandelt nach den Dateiendungen (Groß-/Kleinschreibung egal) um:
  .vkt -&gt; .json   Testdatei als JSON
  .vkt -&gt; .txt    Textexport (1108 Zeilen, wie "Speichern" als ASCII-Text)
  .json -&gt; .vkt   JSON als Testdatei
  .vkk -&gt; .json   Kalibrierungsdatei als JSON
  .json -&gt; .vkk   JSON als Kalibrierungsdatei
Testdateien dürfen statt .vkt auch .aud heißen.
Die JSON-Formen beschreibt docs/file-formats-json.md. Texte werden wie im
Programm auf 255 Zeichen gekürzt; Zeichen, die Windows-1252 nicht kennt,
werden zu "?".
Eine fehlende, unlesbare oder beschädigte Eingabe und eine Ausgabe, die
nicht geschrieben werden kann, melden den Grund und enden mit Code 1;
die Ausgabedatei wird dann weder angelegt noch verändert. Eine Umwandlung,
die es nicht gibt, und falsche Argumente enden mit Code 2. Die Ausgabe
wird über eine temporäre Datei im selben Ordner geschrieben.</source>
        <translation>tavo convert INPUT OUTPUT

Converts by the file extensions (upper or lower case does not matter):
  .vkt -&gt; .json   test file as JSON
  .vkt -&gt; .txt    text export (1108 lines, like "Save" as ASCII text)
  .json -&gt; .vkt   JSON as test file
  .vkk -&gt; .json   calibration file as JSON
  .json -&gt; .vkk   JSON as calibration file
Test files may also be called .aud instead of .vkt.
The JSON forms are described in docs/file-formats-json.md. Texts are cut to
255 characters as in the program; characters that Windows-1252 does not know
become "?".
A missing, unreadable or damaged input and an output that cannot be
written report the reason and end with code 1; the output file is then
neither created nor changed. A conversion that does not exist and wrong
arguments end with code 2. The output is written through a temporary file
in the same folder.</translation>
    </message>
</context>
<context>
    <name>CmdDevices</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>tavo devices: keine Audiokarte gefunden.</source>
        <translation>tavo devices: no audio card found.</translation>
    </message>
    <message>
        <source>die Wiedergabegeräte auflisten</source>
        <translation>list the playback devices</translation>
    </message>
    <message>
        <source>tavo devices [--simulate]

Listet die Wiedergabegeräte, eines pro Zeile, von 0 an nummeriert, so
wie die Einstellungen sie unter "Soundkarte für Hörtest" zeigen.
--simulate zeigt das simulierte Gerät.</source>
        <translation>tavo devices [--simulate]

Lists the playback devices, one per line, numbered from 0, as the
settings show them under "Sound card for the hearing test".
--simulate shows the simulated device.</translation>
    </message>
</context>
<context>
    <name>CmdEndpoint</name>
    <message>
        <source>Erwartet: tavo endpoint set TAUSENDSTEL</source>
        <translation>Expected: tavo endpoint set THOUSANDTHS</translation>
    </message>
    <message>
        <source>Keine ganze Zahl: %1</source>
        <translation>Not a whole number: %1</translation>
    </message>
    <message>
        <source>tavo endpoint: kein Sound-Server antwortet (%1).</source>
        <translation>tavo endpoint: no sound server answers (%1).</translation>
    </message>
    <message>
        <source>tavo endpoint: kein Standard-Wiedergabegerät.</source>
        <translation>tavo endpoint: no default playback device.</translation>
    </message>
    <message>
        <source>tavo endpoint: der Pegel %1 wurde nicht übernommen (0 bis 1000).</source>
        <translation>tavo endpoint: the level %1 was not accepted (0 to 1000).</translation>
    </message>
    <message>
        <source>Master-Pegel %1/1000</source>
        <translation>Master level %1/1000</translation>
    </message>
    <message>
        <source>den Master-Pegel des Standard-Wiedergabegeräts setzen</source>
        <translation>set the master level of the default playback device</translation>
    </message>
    <message>
        <source>tavo endpoint set TAUSENDSTEL [--simulate]

Setzt den Master-Pegel des Standard-Wiedergabegeräts (beim
PulseAudio- oder PipeWire-Server die Standard-Senke) auf
TAUSENDSTEL/1000: 0 ist still, 1000 voller Pegel. Werte außerhalb
0..1000 weist das Gerät ab; der Pegel bleibt dann, wie er war.
--simulate nimmt das simulierte Gerät.</source>
        <translation>tavo endpoint set THOUSANDTHS [--simulate]

Sets the master level of the default playback device (with a
PulseAudio or PipeWire server, the default sink) to
THOUSANDTHS/1000: 0 is silent, 1000 full level. The device refuses
values outside 0..1000; the level then stays as it was.
--simulate uses the simulated device.</translation>
    </message>
</context>
<context>
    <name>CmdMixer</name>
    <message>
        <source>--simulate und --sim-device schließen sich aus.</source>
        <translation>--simulate and --sim-device exclude each other.</translation>
    </message>
    <message>
        <source>tavo mixer: %1 kann nicht gelesen werden: %2</source>
        <translation>tavo mixer: %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Unbekannter Regler "%1" (die Namen zeigt "tavo mixer").</source>
        <translation>Unknown control "%1" ("tavo mixer" shows the names).</translation>
    </message>
    <message>
        <source>Keine ganze Zahl: %1</source>
        <translation>Not a whole number: %1</translation>
    </message>
    <message>
        <source>tavo mixer: keine Mixer-Geräte gefunden.</source>
        <translation>tavo mixer: no mixer devices found.</translation>
    </message>
    <message>
        <source>%1 ist kein Pegelregler; "get" liest nur diese.</source>
        <translation>%1 is not a level control; "get" reads only those.</translation>
    </message>
    <message>
        <source>Ein Schalter nimmt nur 0 (aus) oder 1 (ein).</source>
        <translation>A switch takes only 0 (off) or 1 (on).</translation>
    </message>
    <message>
        <source>%1 kann nicht gesetzt werden; "set" setzt Pegelregler und Schalter.</source>
        <translation>%1 cannot be set; "set" sets level controls and switches.</translation>
    </message>
    <message>
        <source>Unerwartete Argumente: %1</source>
        <translation>Unexpected arguments: %1</translation>
    </message>
    <message>
        <source>die Mixer-Regler der Soundkarte zeigen und setzen</source>
        <translation>show and set the sound card's mixer controls</translation>
    </message>
    <message>
        <source>tavo mixer [--device N] [--simulate | --sim-device DATEI.json]
tavo mixer get REGLER [--device N] [--simulate | --sim-device DATEI.json]
tavo mixer set REGLER LINKS RECHTS [--device N] [--simulate | --sim-device DATEI.json]

Ohne "get"/"set": die Mixer-Geräte (von 0 an nummeriert), dann für Gerät N
(Vorgabe 0) jeden Regler des Verzeichnisses in einer Zeile und die
Diagnoseliste der Leitungen und Steuerelemente.
"get" liest einen Pegelregler (z. B. MasterVolume), "set" setzt einen
Pegelregler auf die Werte LINKS und RECHTS oder schaltet einen Schalter
(z. B. MasterMute) je Kanal ein (1) oder aus (0). Beide zeigen danach den
Status der Mixer-Anfrage.
--simulate nimmt die eingebaute simulierte Soundkarte, --sim-device eine
in DATEI.json beschriebene (Format: docs/mixer-device-json.md).</source>
        <translation>tavo mixer [--device N] [--simulate | --sim-device FILE.json]
tavo mixer get CONTROL [--device N] [--simulate | --sim-device FILE.json]
tavo mixer set CONTROL LEFT RIGHT [--device N] [--simulate | --sim-device FILE.json]

Without "get"/"set": the mixer devices (numbered from 0), then for device N
(default 0) every control of its table, one per line, and the diagnostic
list of lines and controls.
"get" reads a level control (e.g. MasterVolume), "set" sets a level
control to the values LEFT and RIGHT or switches a switch (e.g.
MasterMute) on (1) or off (0) per channel. Both then show the status of
the mixer request.
--simulate uses the built-in simulated sound card, --sim-device one
described in FILE.json (format: docs/mixer-device-json.md).</translation>
    </message>
</context>
<context>
    <name>CmdPlay</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message numerus="yes">
        <source>tavo play: Gerät %1 gibt es nicht (%n Geräte).</source>
        <translation>
            <numerusform>tavo play: there is no device %1 (%n device).</numerusform>
            <numerusform>tavo play: there is no device %1 (%n devices).</numerusform>
        </translation>
    </message>
    <message>
        <source>tavo play: Gerät %1 kann nicht spielen (%2).</source>
        <translation>tavo play: device %1 cannot play (%2).</translation>
    </message>
    <message>
        <source>tavo play: Die Soundkarte antwortet nicht mehr (Gerät %1). Der Ton wurde abgebrochen.</source>
        <translation>tavo play: The sound card no longer answers (device %1). The tone was interrupted.</translation>
    </message>
    <message>
        <source>einen Dauerton auf einem Gerät spielen</source>
        <translation>play a continuous tone on a device</translation>
    </message>
    <message>
        <source>tavo play --device N --frequency HZ --level DB --ear left|right --seconds S
          [--simulate]

Spielt den Ton der Kalibrierung (1 s Impuls, ohne Pause wiederholt) auf
Gerät N (Nummer aus "tavo devices") für S Sekunden und hält ihn dann an.
DB wie bei "tavo tone"; über 0 dB werden die Spitzen begrenzt, das wird
gemeldet. Code 1, wenn das Gerät fehlt oder nicht spielt; falsche Argumente
enden mit Code 2.</source>
        <translation>tavo play --device N --frequency HZ --level DB --ear left|right --seconds S
          [--simulate]

Plays the calibration tone (1 s pulse, repeated without a pause) on
device N (number from "tavo devices") for S seconds and then stops it.
DB as for "tavo tone"; above 0 dB the peaks are clipped, and this is
reported. Code 1 if the device is missing or does not play; wrong arguments
end with code 2.</translation>
    </message>
</context>
<context>
    <name>CmdRender</name>
    <message>
        <source>tavo render: Einstellungen nur bis "%1" gelesen; der Rest wie nach einem Lesefehler des Programms.</source>
        <translation>tavo render: settings read only up to "%1"; the rest as after a read error in the program.</translation>
    </message>
    <message>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <source>Erwartet wird genau eine Testdatei (.vkt oder .aud).</source>
        <translation>Exactly one test file (.vkt or .aud) is expected.</translation>
    </message>
    <message>
        <source>Mindestens eine Ausgabe fehlt: --out, --table oder --pdf.</source>
        <translation>At least one output is needed: --out, --table or --pdf.</translation>
    </message>
    <message>
        <source>tavo render: %1 kann nicht erzeugt werden.</source>
        <translation>tavo render: %1 cannot be created.</translation>
    </message>
    <message>
        <source>Audiogramm einer Testdatei als Bild oder PDF</source>
        <translation>a test file's audiogram as an image or PDF</translation>
    </message>
    <message>
        <source>tavo render TESTDATEI.vkt --out AUDIOGRAMM.png [--table TABELLE.png]
            [--pdf SEITE.pdf] [--width B] [--height H] [--settings DATEI]
            [--printing]

Zeichnet das Audiogramm so, wie das Hauptfenster es nach dem Öffnen der
Testdatei zeigt: --out das Audiogrammfeld (B x H Pixel, ohne Angabe 969 x 301),
--table das Feld der Hörschwellenwerte (B x 49), --pdf beide Felder auf einer
Seite in ihrer Größe bei 96 Pixeln je Zoll, mit weißem Hintergrund wie auf
Papier. --printing zeichnet auch die Bilder mit weißem Hintergrund.
Das Bildformat folgt der Endung: .png (PNG) oder .jpg / .jpeg (JPEG); --pdf
verlangt .pdf. Eine andere Endung wird abgelehnt.
Anzeigeoptionen, Testfrequenzen, Anfangspegel, Mindestzahl der
Richtungswechsel und Farben kommen aus der Einstellungsdatei --settings, ohne
sie aus den Vorgaben einer neuen Installation. Ausgegeben werden die Datumszeile
und OSPL, OSPR und APV. Braucht keine Anzeige.
Eine fehlende, unlesbare oder beschädigte Test- oder Einstellungsdatei und
eine Ausgabe, die nicht geschrieben werden kann, enden mit Code 1; dann wird
keine der Ausgaben angelegt oder verändert. Falsche Argumente enden mit
Code 2.</source>
        <translation>tavo render TESTFILE.vkt --out IMAGE.png [--table IMAGE.png]
            [--pdf PAGE.pdf] [--width W] [--height H] [--settings FILE]
            [--printing]

Draws the audiogram as the main window shows it after opening the test
file: --out the audiogram area (W x H pixels, by default 969 x 301),
--table the area of the hearing threshold values (W x 49), --pdf both areas
on one page at their size at 96 pixels per inch, with a white background as
on paper. --printing draws the images with a white background as well.
The image format follows the extension: .png (PNG) or .jpg / .jpeg (JPEG);
--pdf requires .pdf. Any other extension is refused.
Display options, test frequencies, start level, minimum number of reversals
and colours come from the settings file --settings, without it from the
defaults of a new installation. It prints the date line and OSPL, OSPR and
APV. Needs no display.
A missing, unreadable or damaged test or settings file and an output that
cannot be written end with code 1; then none of the outputs is created or
changed. Wrong arguments end with code 2.</translation>
    </message>
</context>
<context>
    <name>CmdReport</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>der Prüfbericht eines Tests (PAR, Bewertung)</source>
        <translation>a test's fit-check report (PAR, rating)</translation>
    </message>
    <message>
        <source>tavo report --test DATEI.vkt [--exposure DB] [--settings S.reg]
            [--pdf BERICHT.pdf] [--json BERICHT.json]

Der Prüfbericht des Gehörschutzes: die Dämpfung je Ohr und Frequenz (2. minus
1. Durchlauf), die PAR je Ohr und beidohrig mit PAR84 und PAR95, gegen die
Lärmexposition --exposure (dB(A); ohne: die der Einstellungen, sonst keine
Bewertung) die Bewertung und die Hinweise. Ausgabe als Text; --json und --pdf
schreiben dieselben Zahlen als JSON (docs/fit-check-json.md) und PDF.
--settings nimmt Pegelschritt, Richtungswechsel und Zielpegel aus einer
Einstellungsdatei (sonst die Vorgabewerte).

Exit-Code 0 bei Erfolg, 1 bei einer unlesbaren Datei, 2 bei falschen
Argumenten.</source>
        <translation>tavo report --test FILE.vkt [--exposure DB] [--settings S.reg]
            [--pdf REPORT.pdf] [--json REPORT.json]

The hearing protector's fit-check report: the attenuation per ear and
frequency (run 2 minus run 1), the PAR per ear and binaural with PAR84 and
PAR95, the rating against the noise exposure --exposure (dB(A); without it:
that of the settings, otherwise no rating) and the notes. Output as text;
--json and --pdf write the same numbers as JSON (docs/fit-check-json.md)
and PDF.
--settings takes the level step, reversals and target level from a
settings file (otherwise the defaults).

Exit code 0 on success, 1 on an unreadable file, 2 on wrong arguments.</translation>
    </message>
</context>
<context>
    <name>CmdSettings</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>die gespeicherten Einstellungen zeigen</source>
        <translation>show the stored settings</translation>
    </message>
    <message>
        <source>tavo settings [--store FILE] [--simulate]

Zeigt, was das Programm beim Start aus den gespeicherten Einstellungen in die
Einstellungen übernimmt: eine Zeile NAME=WERT je Wert, in der Reihenfolge des
Lesens (Schalter als 0/1, Texte wie im Feld, Geräte als Listenposition, -1 für
keine, Farben als 8 Hexadezimalziffern), zuletzt "read: ok" oder "read: failed
at NAME" (der erste Wert, der nicht gelesen werden konnte). Ohne --store die
Einstellungsdatei des Programms. --simulate nimmt die simulierten Geräte für
die Gerätelisten. Ändert nichts.
Eine fehlende oder unlesbare Datei und eine, die keine Einstellungsdatei ist
(sie beginnt nicht mit "REGEDIT4" oder das Programm kann sie nicht lesen),
enden mit Code 1; falsche Argumente mit Code 2.</source>
        <translation>tavo settings [--store FILE] [--simulate]

Shows what the program takes from the stored settings into its settings at
start: one line NAME=VALUE per value, in the order of reading (switches as
0/1, texts as in the field, devices as list position, -1 for none, colours
as 8 hexadecimal digits), lastly "read: ok" or "read: failed at NAME" (the
first value that could not be read). Without --store the program's settings
file. --simulate uses the simulated devices for the device lists. Changes
nothing.
A missing or unreadable file and one that is not a settings file (it does
not begin with "REGEDIT4" or the program cannot read it) end with code 1;
wrong arguments with code 2.</translation>
    </message>
</context>
<context>
    <name>CmdShow</name>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Durchlauf %1: %2 %3</source>
        <translation>Run %1: %2 %3</translation>
    </message>
    <message>
        <source>Testdatei:           %1</source>
        <translation>Test file:           %1</translation>
    </message>
    <message>
        <source>Testperson:          %1</source>
        <translation>Test subject:        %1</translation>
    </message>
    <message>
        <source>Testort:             %1</source>
        <translation>Test location:       %1</translation>
    </message>
    <message>
        <source>Erstprüfung:         %1</source>
        <translation>Initial test:        %1</translation>
    </message>
    <message>
        <source>Überwachungsprüfung: %1</source>
        <translation>Monitoring test:     %1</translation>
    </message>
    <message>
        <source>Ergebnis:            %1</source>
        <translation>Result:              %1</translation>
    </message>
    <message>
        <source>IO</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>NIO</source>
        <translation>fail</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Hörschwellen in dB HL (- = kein Ergebnis; letzte Spalte: Wiederholung bei 1000 Hz):</source>
        <translation>Hearing thresholds in dB HL (- = no result; last column: repeat at 1000 Hz):</translation>
    </message>
    <message>
        <source>Kalibrierungsdatei:  %1</source>
        <translation>Calibration file:    %1</translation>
    </message>
    <message>
        <source>Kalibriert von:      %1</source>
        <translation>Calibrated by:       %1</translation>
    </message>
    <message>
        <source>Kopfhörer:           %1</source>
        <translation>Headphones:          %1</translation>
    </message>
    <message>
        <source>Soundkarte:          %1</source>
        <translation>Sound card:          %1</translation>
    </message>
    <message>
        <source>Kommentar:           %1</source>
        <translation>Comment:             %1</translation>
    </message>
    <message>
        <source>Abgeschlossen:       %1 um %2</source>
        <translation>Completed:           %1 at %2</translation>
    </message>
    <message>
        <source>  Ohr        Hz    Wave  Master    Gain  Reserviert  Bezug (dB)</source>
        <translation>  Ear        Hz    Wave  Master    Gain    Reserved  Reference (dB)</translation>
    </message>
    <message>
        <source>Erwartet wird genau ein Dateiname.</source>
        <translation>Exactly one file name is expected.</translation>
    </message>
    <message>
        <source>eine Test- oder Kalibrierungsdatei lesbar anzeigen</source>
        <translation>show a test or calibration file in readable form</translation>
    </message>
    <message>
        <source>tavo show DATEI

Zeigt eine Testdatei (.vkt oder .aud) mit Testperson, Testort, Prüfungsart,
Ergebnis, Datum und Uhrzeit der Durchläufe, den Hörschwellen je Ohr und
Frequenz und OSPL / OSPR / APV, wie das Programm sie berechnet; oder eine
Kalibrierungsdatei (.vkk) mit ihren Texten und den 22 Kalibrierpunkten.
Die Art der Datei ergibt sich aus ihrem Inhalt. Eine fehlende, unlesbare
oder beschädigte Datei meldet den Grund und endet mit Code 1; falsche
Argumente enden mit Code 2.</source>
        <translation>tavo show FILE

Shows a test file (.vkt or .aud) with test subject, test location, type of
test, result, date and time of the runs, the hearing thresholds per ear and
frequency and OSPL / OSPR / APV as the program calculates them; or a
calibration file (.vkk) with its texts and the 22 calibration points.
The kind of file follows from its content. A missing, unreadable or
damaged file reports the reason and ends with code 1; wrong arguments end
with code 2.</translation>
    </message>
</context>
<context>
    <name>CmdSimulate</name>
    <message>
        <source>tavo simulate --settings STORE.reg --calibration CAL.vkk --listener HOERER.json
              --out ERGEBNIS.vkt [--pulses PULSE.csv] [--second-run-offset on|off]
              [--seed N]

Führt einen kompletten Hörtest (Befehl "Neuen Test durchführen") mit einem
simulierten Hörer durch: dieselbe Testprozedur wie das Programm, ohne Fenster,
mit der simulierten Soundkarte und einer virtuellen Uhr.
Die Einstellungen kommen aus STORE.reg (die Datei wird nicht verändert), die
Kalibrierung aus CAL.vkk; der Hörer ist in docs/listener-json.md beschrieben.
Das Ergebnis wird als Testdatei gespeichert.

  --pulses FILE             je Puls eine Zeile CSV:
                            run,ear,slot,frequency,pulse,level,pressed
  --second-run-offset on|off  "Praxisabweichung" (Vorgabe: on)
  --seed N                  Startwert der Zufallszahlen eines menschlicheren Hörers
                            (psychometric_slope_db, false_press_rate; Vorgabe 1)

Ausgabe: die Meldungen des Tests, dann "run 1: completed|interrupted",
"run 2: completed|interrupted|not run", "OSPL: X", "OSPR: Y", "APV: Z".
Exit-Code 0, wenn der Test lief (auch wenn er abgebrochen wurde), 1 bei einem
Fehler (eine fehlende, unlesbare oder beschädigte Einstellungs-, Kalibrierungs-
oder Hörerdatei, keine Kalibrierung, eine Ausgabe, die nicht geschrieben werden
kann), 2 bei falschen Argumenten.</source>
        <translation>tavo simulate --settings STORE.reg --calibration CAL.vkk --listener LISTENER.json
              --out RESULT.vkt [--pulses PULSES.csv] [--second-run-offset on|off]
              [--seed N]

Runs a complete hearing test (command "New Test") with a simulated
listener: the same test procedure as the program, without windows, with the
simulated sound card and a virtual clock.
The settings come from STORE.reg (the file is not changed), the calibration
from CAL.vkk; the listener is described in docs/listener-json.md.
The result is saved as a test file.

  --pulses FILE             one CSV line per pulse:
                            run,ear,slot,frequency,pulse,level,pressed
  --second-run-offset on|off  "practice deviation" (default: on)
  --seed N                  seed of the random numbers of a more human listener
                            (psychometric_slope_db, false_press_rate; default 1)

Output: the test's messages, then "run 1: completed|interrupted",
"run 2: completed|interrupted|not run", "OSPL: X", "OSPR: Y", "APV: Z".
Exit code 0 if the test ran (even if it was interrupted), 1 on an error (a
missing, unreadable or damaged settings, calibration or listener file, no
calibration, an output that cannot be written), 2 on wrong arguments.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Meldung: %1</source>
        <translation>Message: %1</translation>
    </message>
    <message>
        <source>Der Test wurde nicht gestartet.</source>
        <translation>The test was not started.</translation>
    </message>
    <message>
        <source>kompletten Hörtest mit simuliertem Hörer durchführen</source>
        <translation>run a complete hearing test with a simulated listener</translation>
    </message>
</context>
<context>
    <name>CmdTone</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>einen Tonimpuls als WAV-Datei schreiben</source>
        <translation>write a tone pulse as a WAV file</translation>
    </message>
    <message>
        <source>tavo tone --frequency HZ --level DB --pulse S --gap S --ear left|right
          [--second-run-offset] --out FILE.wav

Schreibt einen Tonimpuls so, wie der Hörtest ihn spielt: HZ Hertz, DB dB
relativ zur digitalen Vollaussteuerung (0 = Spitzenwert 32767), S Sekunden
Ton mit Ein- und Ausblendung, dann S Sekunden Stille, auf dem gewählten Ohr.
--second-run-offset spielt 5 dB lauter (Praxisabweichung im zweiten Durchlauf).
Zahlen dürfen ein Dezimalkomma haben (0,5). Über 0 dB werden die Spitzen
begrenzt; das wird gemeldet, die Datei trotzdem geschrieben.
Die Datei ist RIFF/WAVE, PCM, 2 Kanäle, 44100 Hz, 16 Bit; ihr Name muss auf
.wav enden. Eine Datei, die nicht geschrieben werden kann, endet mit Code 1,
falsche Argumente enden mit Code 2.</source>
        <translation>tavo tone --frequency HZ --level DB --pulse S --gap S --ear left|right
          [--second-run-offset] --out FILE.wav

Writes one tone pulse as the hearing test plays it: HZ hertz, DB dB
relative to digital full scale (0 = peak value 32767), S seconds of tone
with fade-in and fade-out, then S seconds of silence, to the chosen ear.
--second-run-offset plays 5 dB louder (practice deviation in the second run).
Numbers may have a decimal comma (0,5). Above 0 dB the peaks are clipped;
this is reported, and the file is written anyway.
The file is RIFF/WAVE, PCM, 2 channels, 44100 Hz, 16 bit; its name must end
in .wav. A file that cannot be written ends with code 1, wrong arguments
end with code 2.</translation>
    </message>
</context>
<context>
    <name>DBusScreenSaver</name>
    <message>
        <source>Hörtest</source>
        <translation>Hearing test</translation>
    </message>
</context>
<context>
    <name>DesktopOpen</name>
    <message>
        <source>xdg-open ist nicht installiert (Paket xdg-utils).</source>
        <translation>xdg-open is not installed (package xdg-utils).</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Kein Programm gefunden, das sie anzeigen kann (kein Browser).</source>
        <translation>No program found that can show it (no browser).</translation>
    </message>
    <message>
        <source>xdg-open meldet den Fehler %1.</source>
        <translation>xdg-open reports error %1.</translation>
    </message>
    <message>
        <source>xdg-open ist abgestürzt.</source>
        <translation>xdg-open crashed.</translation>
    </message>
    <message>
        <source>Die Shell /bin/sh lässt sich nicht starten.</source>
        <translation>The shell /bin/sh cannot be started.</translation>
    </message>
</context>
<context>
    <name>DeviceList</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Wiedergabegerät %1</source>
        <translation>playback device %1</translation>
    </message>
    <message>
        <source>Wiedergabegeräte %1</source>
        <translation>playback devices %1</translation>
    </message>
    <message>
        <source>Mischpult %1</source>
        <translation>mixer %1</translation>
    </message>
    <message>
        <source>Der Soundserver (PulseAudio oder PipeWire) antwortet nicht. Nicht erreichbar: %1.</source>
        <translation>The sound server (PulseAudio or PipeWire) is not responding. Unreachable: %1.</translation>
    </message>
    <message>
        <source> Driver Version </source>
        <translation> Driver Version </translation>
    </message>
</context>
<context>
    <name>FileJson</name>
    <message>
        <source>Feld „%1“ fehlt</source>
        <translation>Field “%1” is missing</translation>
    </message>
    <message>
        <source>Unbekanntes Feld „%1“</source>
        <translation>Unknown field “%1”</translation>
    </message>
    <message>
        <source>Liste mit %1 Einträgen</source>
        <translation>list of %1 entries</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>ganze Zahl von %1 bis %2</source>
        <translation>whole number from %1 to %2</translation>
    </message>
    <message>
        <source>Zahl</source>
        <translation>number</translation>
    </message>
    <message>
        <source>Objekt</source>
        <translation>object</translation>
    </message>
    <message>
        <source>Feld „%1“ hat die falsche Form (erwartet: %2)</source>
        <translation>Field “%1” has the wrong form (expected: %2)</translation>
    </message>
    <message>
        <source>(Dokument)</source>
        <translation>(document)</translation>
    </message>
    <message>
        <source>Feld „format“ muss „%1“ sein</source>
        <translation>Field “format” must be “%1”</translation>
    </message>
    <message>
        <source>Der Bezugswert von %1[%2] ist keine endliche Zahl und hat in JSON keine Form</source>
        <translation>The reference value of %1[%2] is not a finite number and cannot be written in JSON</translation>
    </message>
    <message>
        <source>Kein gültiges JSON (Zeichen %1): %2</source>
        <translation>Not valid JSON (character %1): %2</translation>
    </message>
    <message>
        <source>Das JSON-Dokument muss ein Objekt sein</source>
        <translation>The JSON document must be an object</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>Die Datei kann nicht geöffnet werden.</source>
        <translation>The file cannot be opened.</translation>
    </message>
</context>
<context>
    <name>FileOutput</name>
    <message>
        <source>Die Datei „%1“ kann nicht angelegt werden: %2</source>
        <translation>The file “%1” cannot be created: %2</translation>
    </message>
    <message>
        <source>nur %1 von %2 Bytes geschrieben</source>
        <translation>only %1 of %2 bytes written</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht vollständig geschrieben werden: %2</source>
        <translation>The file “%1” could not be written completely: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>The file “%1” could not be saved: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geöffnet werden: %2</source>
        <translation>The file “%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden.</source>
        <translation>The file “%1” cannot be read.</translation>
    </message>
</context>
<context>
    <name>FitCheck</name>
    <message>
        <source>Dämpfung bei 125 Hz unter 10 dB (%1: %2 dB): der Stöpsel sitzt womöglich nicht dicht.</source>
        <translation>Attenuation at 125 Hz below 10 dB (%1: %2 dB): the ear plug may not be sealing properly.</translation>
    </message>
    <message>
        <source>Die PAR beider Ohren liegen %1 dB auseinander (links %2 dB, rechts %3 dB).</source>
        <translation>The PARs of the two ears are %1 dB apart (left %2 dB, right %3 dB).</translation>
    </message>
    <message>
        <source>Das Band %1 Hz fehlt (%2): dort ist keine Dämpfung gemessen.</source>
        <translation>The %1 Hz band is missing (%2): no attenuation was measured there.</translation>
    </message>
    <message>
        <source>%1, %2 Hz, Durchlauf %3: %4</source>
        <translation>%1, %2 Hz, run %3: %4</translation>
    </message>
    <message>
        <source>Die Wiederholung bei 1000 Hz weicht um %1 dB ab (%2, Durchlauf %3)%4</source>
        <translation>The 1000 Hz retest differs by %1 dB (%2, run %3)%4</translation>
    </message>
    <message>
        <source>: nicht verwertbar (10 dB oder mehr).</source>
        <translation>: not usable (10 dB or more).</translation>
    </message>
    <message>
        <source>: mehr als 5 dB.</source>
        <translation>: more than 5 dB.</translation>
    </message>
    <message>
        <source>Ausreichend</source>
        <translation>Sufficient</translation>
    </message>
    <message>
        <source>Nicht ausreichend</source>
        <translation>Insufficient</translation>
    </message>
    <message>
        <source>Keine Bewertung</source>
        <translation>No rating</translation>
    </message>
    <message>
        <source>keine Hörschwelle</source>
        <translation>no hearing threshold</translation>
    </message>
    <message>
        <source>weniger Richtungswechsel als verlangt (Zeit abgelaufen)</source>
        <translation>fewer reversals than required (time ran out)</translation>
    </message>
    <message>
        <source>Streuung über 10 dB</source>
        <translation>spread above 10 dB</translation>
    </message>
    <message>
        <source>keine Reaktion unter 100 dB HL</source>
        <translation>no response below 100 dB HL</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>,</source>
        <extracomment>The decimal separator of the report's figures.</extracomment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>FitCheckPainter</name>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>links 1.</source>
        <translation>left 1st</translation>
    </message>
    <message>
        <source>links 2.</source>
        <translation>left 2nd</translation>
    </message>
    <message>
        <source>Dämpfung</source>
        <translation>Attenuation</translation>
    </message>
    <message>
        <source>rechts 1.</source>
        <translation>right 1st</translation>
    </message>
    <message>
        <source>rechts 2.</source>
        <translation>right 2nd</translation>
    </message>
    <message>
        <source>Prüfbericht Gehörschutz</source>
        <translation>Hearing protector fit-check report</translation>
    </message>
    <message>
        <source>Testperson: %1      Testort: %2</source>
        <translation>Test subject: %1      Test site: %2</translation>
    </message>
    <message>
        <source>1. Durchlauf: %1 %2      2. Durchlauf: %3 %4</source>
        <translation>1st run: %1 %2      2nd run: %3 %4</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Calibration: %1</translation>
    </message>
    <message>
        <source>Hörschwellen (dB HL) und Dämpfung (dB); * markiert einen Hinweis</source>
        <translation>Hearing thresholds (dB HL) and attenuation (dB); * marks a note</translation>
    </message>
    <message>
        <source>beidohrig</source>
        <translation>binaural</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX %1 dB(A), Zielpegel am Ohr %2 dB(A): benötigte Dämpfung %3 dB</source>
        <translation>Noise exposure L_EX %1 dB(A), target level at the ear %2 dB(A): attenuation needed %3 dB</translation>
    </message>
    <message>
        <source>Keine Lärmexposition angegeben.</source>
        <translation>No noise exposure given.</translation>
    </message>
    <message>
        <source>Bewertung: %1</source>
        <translation>Assessment: %1</translation>
    </message>
    <message>
        <source>Überprotektion möglich: geschätzter Pegel am Ohr %1 dB(A).</source>
        <translation>Possible overprotection: estimated level at the ear %1 dB(A).</translation>
    </message>
</context>
<context>
    <name>FitCheckText</name>
    <message numerus="yes">
        <source>PAR %1: keine (weniger als %n Bänder)</source>
        <translation>
            <numerusform>PAR %1: none (fewer than %n band)</numerusform>
            <numerusform>PAR %1: none (fewer than %n bands)</numerusform>
        </translation>
    </message>
    <message>
        <source>Verfahren: Dämpfung = Hörschwelle des 2. minus des 1. Durchlaufs; Oktavbänder 125 bis 8000 Hz (4000 und 8000 Hz mit 3000 und 6000 Hz gemittelt, wo getestet) mit rosa Bezugsrauschen von 100 dB je Band, A-bewertet, in der Art der ISO 4869-2. Keine Zulassung nach einer Norm für Dichtsitzprüfungen.</source>
        <translation>Method: attenuation = hearing threshold of the 2nd run minus that of the 1st; octave bands 125 to 8000 Hz (4000 and 8000 Hz averaged with 3000 and 6000 Hz where tested) with a pink reference noise of 100 dB per band, A-weighted, in the manner of ISO 4869-2. Not approved under any standard for fit checks.</translation>
    </message>
    <message>
        <source> Die Schwellen wie gespeichert: mit „Praxisabweichung“ spielte der 2. Durchlauf 5 dB lauter.</source>
        <translation> Thresholds as stored: with “Practice deviation” the 2nd run played 5 dB louder.</translation>
    </message>
    <message>
        <source>Prüfbericht Gehörschutz</source>
        <translation>Hearing protector fit-check report</translation>
    </message>
    <message>
        <source>Testperson: %1</source>
        <translation>Test subject: %1</translation>
    </message>
    <message>
        <source>Testort: %1</source>
        <translation>Test site: %1</translation>
    </message>
    <message>
        <source>1. Durchlauf: %1 %2   2. Durchlauf: %3 %4</source>
        <translation>1st run: %1 %2   2nd run: %3 %4</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Calibration: %1</translation>
    </message>
    <message>
        <source>Dämpfung (dB)   links   rechts</source>
        <translation>Attenuation (dB)   left   right</translation>
    </message>
    <message>
        <source>beidohrig</source>
        <translation>binaural</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX: %1 dB(A); Zielpegel am Ohr: %2 dB(A); benötigte Dämpfung: %3 dB</source>
        <translation>Noise exposure L_EX: %1 dB(A); target level at the ear: %2 dB(A); attenuation needed: %3 dB</translation>
    </message>
    <message>
        <source>Geschätzter Pegel am Ohr: %1 dB(A)</source>
        <translation>Estimated level at the ear: %1 dB(A)</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX: keine angegeben</source>
        <translation>Noise exposure L_EX: none given</translation>
    </message>
    <message>
        <source>Bewertung: %1%2</source>
        <translation>Assessment: %1%2</translation>
    </message>
    <message>
        <source> – Überprotektion möglich</source>
        <translation> – possible overprotection</translation>
    </message>
    <message>
        <source>Hinweise:</source>
        <translation>Notes:</translation>
    </message>
</context>
<context>
    <name>HelpKey</name>
    <message>
        <source>Das Handbuch ist nicht installiert.</source>
        <translation>The manual is not installed.</translation>
    </message>
    <message>
        <source>Das Handbuch konnte nicht geöffnet werden: kein Browser gefunden.
%1
%2</source>
        <translation>The manual could not be opened: no browser found.
%1
%2</translation>
    </message>
</context>
<context>
    <name>InputFiles</name>
    <message>
        <source>Testdatei</source>
        <translation>test file</translation>
    </message>
    <message>
        <source>Kalibrierungsdatei</source>
        <translation>calibration file</translation>
    </message>
    <message>
        <source>%1 ist eine %2, keine %3</source>
        <translation>%1 is a %2, not a %3</translation>
    </message>
    <message>
        <source>%1: weder eine Testdatei noch eine Kalibrierungsdatei</source>
        <translation>%1: neither a test file nor a calibration file</translation>
    </message>
    <message>
        <source>%1: keine gültige %2 (%3)</source>
        <translation>%1: not a valid %2 (%3)</translation>
    </message>
    <message>
        <source>%1: keine gültige %2</source>
        <translation>%1: not a valid %2</translation>
    </message>
    <message>
        <source>%1 ist leer, keine Einstellungsdatei</source>
        <translation>%1 is empty, not a settings file</translation>
    </message>
    <message>
        <source>%1 ist zu groß für eine Einstellungsdatei (über %2 Bytes)</source>
        <translation>%1 is too large for a settings file (over %2 bytes)</translation>
    </message>
    <message>
        <source>%1 ist keine gültige Einstellungsdatei (das Programm kann sie nicht lesen)</source>
        <translation>%1 is not a valid settings file (the program cannot read it)</translation>
    </message>
    <message>
        <source>%1 ist keine Einstellungsdatei (sie beginnt nicht mit "REGEDIT4")</source>
        <translation>%1 is not a settings file (it does not begin with "REGEDIT4")</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang braucht eine Sprache: de, en oder source.</source>
        <translation>--lang needs a language: de, en or source.</translation>
    </message>
    <message>
        <source>Die Sprache "%1" gibt es nicht: möglich sind de, en und source.</source>
        <translation>Unknown language "%1": choose de, en or source.</translation>
    </message>
</context>
<context>
    <name>ListenerDescription</name>
    <message>
        <source>unbekannter Eintrag</source>
        <translation>unknown entry</translation>
    </message>
    <message>
        <source>eine Zahl erwartet</source>
        <translation>expected a number</translation>
    </message>
    <message>
        <source>%1 liegt nicht zwischen %2 und %3</source>
        <translation>%1 is not between %2 and %3</translation>
    </message>
    <message>
        <source>eine ganze Zahl erwartet</source>
        <translation>expected a whole number</translation>
    </message>
    <message>
        <source>ein Objekt erwartet</source>
        <translation>expected an object</translation>
    </message>
    <message>
        <source>"left" oder "right" erwartet</source>
        <translation>expected "left" or "right"</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>eine Liste von 11 Zahlen erwartet (125 bis 8000 Hz)</source>
        <translation>expected a list of 11 numbers (125 to 8000 Hz)</translation>
    </message>
    <message>
        <source>true oder false erwartet</source>
        <translation>expected true or false</translation>
    </message>
    <message>
        <source>%1 Hz ist keine Testfrequenz</source>
        <translation>%1 Hz is not a test frequency</translation>
    </message>
    <message>
        <source>"shown" oder "hearing-level" erwartet</source>
        <translation>expected "shown" or "hearing-level"</translation>
    </message>
    <message>
        <source>nur für einen Hörer mit "scale": "hearing-level"</source>
        <translation>only for a listener with "scale": "hearing-level"</translation>
    </message>
    <message>
        <source>ein Text bis 255 Zeichen erwartet</source>
        <translation>expected a text of up to 255 characters</translation>
    </message>
    <message>
        <source>eine Liste erwartet</source>
        <translation>expected a list</translation>
    </message>
    <message>
        <source>ein Dateiname erwartet</source>
        <translation>expected a file name</translation>
    </message>
    <message>
        <source>kein gültiges JSON (Fehler bei Zeichen %1)</source>
        <translation>not valid JSON (error at character %1)</translation>
    </message>
    <message>
        <source>ein JSON-Objekt erwartet</source>
        <translation>expected a JSON object</translation>
    </message>
    <message>
        <source>Die Hörerdatei "%1" kann nicht gelesen werden.</source>
        <translation>The listener file "%1" cannot be read.</translation>
    </message>
    <message>
        <source>Die Hörerdatei "%1" ist ungültig: %2</source>
        <translation>The listener file "%1" is invalid: %2</translation>
    </message>
</context>
<context>
    <name>ListenerPopulation</name>
    <message>
        <source>Hörer %1</source>
        <translation>Listener %1</translation>
    </message>
    <message>
        <source>Normalhörende Person (0 dB HL)</source>
        <translation>Person with normal hearing (0 dB HL)</translation>
    </message>
</context>
<context>
    <name>MIXER_e</name>
    <message>
        <source>MixerControlDetails unbekannter Rückgabecode</source>
        <translation>MixerControlDetails unknown return code</translation>
    </message>
    <message>
        <source>Mixereigenschaften konnten nicht ermittelt werden </source>
        <translation>Mixer capabilities could not be determined </translation>
    </message>
    <message>
        <source>Soundkarten Treiber Problem</source>
        <translation>Sound card driver problem</translation>
    </message>
    <message>
        <source>Mixerleitungen : %1</source>
        <translation>Mixer lines : %1</translation>
    </message>
    <message>
        <source>Invalid Device Number !</source>
        <translation>Invalid device number!</translation>
    </message>
    <message>
        <source>Sound card driver problem</source>
        <translation>Sound card driver problem</translation>
    </message>
    <message>
        <source>Mixer Opening Procedure failed </source>
        <translation>Opening the mixer failed </translation>
    </message>
    <message>
        <source>Leitung : %1 (%2)</source>
        <translation>Line : %1 (%2)</translation>
    </message>
    <message>
        <source>Leitungs-ID : %1   Leitungs-Flags : %2</source>
        <translation>Line ID : %1   Line flags : %2</translation>
    </message>
    <message>
        <source>Steuerelemente : %1   Verbindungen : %2</source>
        <translation>Controls : %1   Connections : %2</translation>
    </message>
    <message>
        <source>Steuerelement-Typ : %1</source>
        <translation>Control type : %1</translation>
    </message>
    <message>
        <source>Steuerelement-ID : %1</source>
        <translation>Control ID : %1</translation>
    </message>
    <message>
        <source>Kurzname : %1</source>
        <translation>Short name : %1</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Name : %1</translation>
    </message>
    <message>
        <source>Minimum : %1   Maximum : %2   Schritte : %3</source>
        <translation>Minimum : %1   Maximum : %2   Steps : %3</translation>
    </message>
    <message>
        <source>Kanäle : %1</source>
        <translation>Channels : %1</translation>
    </message>
    <message>
        <source>Summenregler für beide Kanäle (Uniform)</source>
        <translation>One control for both channels (Uniform)</translation>
    </message>
    <message>
        <source>Getrennte Regler für jeden Kanal</source>
        <translation>Separate control for each channel</translation>
    </message>
    <message>
        <source>Einträge pro Kanal : %1</source>
        <translation>Items per channel : %1</translation>
    </message>
    <message>
        <source>Steuerelement Active</source>
        <translation>Control active</translation>
    </message>
    <message>
        <source>Steuerelement nicht Active </source>
        <translation>Control not active </translation>
    </message>
    <message>
        <source>Level control not supported by sound card driver!</source>
        <translation>Level control not supported by sound card driver!</translation>
    </message>
    <message>
        <source>Control inactive!</source>
        <translation>Control inactive!</translation>
    </message>
    <message>
        <source>Regler ist nicht Activeiert</source>
        <translation>Control is not activated</translation>
    </message>
    <message>
        <source>Switch not supported by Sound card driver!</source>
        <translation>Switch not supported by sound card driver!</translation>
    </message>
    <message>
        <source>Control is inactive!</source>
        <translation>Control is inactive!</translation>
    </message>
</context>
<context>
    <name>QtMessages</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RegFileSettingsStore</name>
    <message>
        <source>%1 gibt es nicht.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 ist keine lesbare Einstellungsdatei.</source>
        <translation>%1 is not a readable settings file.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Die Einstellungen können nicht gespeichert werden: </source>
        <translation>The settings cannot be saved: </translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>Fehler beim Lesen der Registry! Benutze Standardwerte.</source>
        <translation>Error reading the registry! Using default values.</translation>
    </message>
    <message>
        <source>Da Sie das Programm zum ersten mal starten, überprüfen und bestätigen Sie bitte auch die Einstellungen für Soundkarte und Joystick.</source>
        <translation>As you are starting the program for the first time, please also check and confirm the sound card and joystick settings.</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>Signaldauer</source>
        <translation>Signal length</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Lückendauer</source>
        <translation>Pause length</translation>
    </message>
    <message>
        <source>Pegelschritt</source>
        <translation>Level step</translation>
    </message>
    <message>
        <source>Anfangspegel</source>
        <translation>Start level</translation>
    </message>
    <message>
        <source>Testdauer pro Frequenz</source>
        <translation>Time per frequency</translation>
    </message>
    <message>
        <source>Richtungswechsel</source>
        <translation>Reversals</translation>
    </message>
    <message>
        <source>Keine Datei ausgewählt</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>Lärmexposition</source>
        <translation>Noise exposure</translation>
    </message>
    <message>
        <source>Zielpegel am Ohr</source>
        <translation>Ear target level</translation>
    </message>
</context>
<context>
    <name>SimMixerDescription</name>
    <message>
        <source>unbekannter Schlüssel "%1"</source>
        <translation>unknown key "%1"</translation>
    </message>
    <message>
        <source>keine ganze Zahl</source>
        <translation>not a whole number</translation>
    </message>
    <message>
        <source>keine Zahl: "%1"</source>
        <translation>not a number: "%1"</translation>
    </message>
    <message>
        <source>Zahl erwartet</source>
        <translation>number expected</translation>
    </message>
    <message>
        <source>%1 liegt nicht in %2..%3</source>
        <translation>%1 is not within %2..%3</translation>
    </message>
    <message>
        <source>true oder false erwartet</source>
        <translation>true or false expected</translation>
    </message>
    <message>
        <source>Text erwartet</source>
        <translation>text expected</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>unbekannter Typ "%1"</source>
        <translation>unknown type "%1"</translation>
    </message>
    <message>
        <source>Liste erwartet</source>
        <translation>list expected</translation>
    </message>
    <message>
        <source>Objekt erwartet</source>
        <translation>object expected</translation>
    </message>
    <message>
        <source>unbekanntes Gesetz "%1" (none, quarter-db, cubic, amplitude oder {"db_per_unit": Zahl})</source>
        <translation>unknown law "%1" (none, quarter-db, cubic, amplitude or {"db_per_unit": number})</translation>
    </message>
    <message>
        <source>eine Zahl von -100 bis 100 erwartet</source>
        <translation>a number from -100 to 100 expected</translation>
    </message>
    <message>
        <source>Name oder Objekt erwartet</source>
        <translation>name or object expected</translation>
    </message>
    <message>
        <source>höchstens 64</source>
        <translation>at most 64</translation>
    </message>
    <message>
        <source>%1 oder %2 Werte erwartet (Kanäle × Einträge)</source>
        <translation>%1 or %2 values expected (channels × items)</translation>
    </message>
    <message>
        <source>1 bis 32 erwartet</source>
        <translation>1 to 32 expected</translation>
    </message>
    <message>
        <source>"Major.Minor" mit Zahlen 0..255 erwartet</source>
        <translation>"Major.Minor" with numbers 0..255 expected</translation>
    </message>
    <message>
        <source>JSON-Fehler bei Zeichen %1: %2</source>
        <translation>JSON error at character %1: %2</translation>
    </message>
    <message>
        <source>Ein JSON-Objekt erwartet</source>
        <translation>A JSON object expected</translation>
    </message>
</context>
<context>
    <name>SimulatedCalibration</name>
    <message>
        <source>linkes Ohr</source>
        <translation>left ear</translation>
    </message>
    <message>
        <source>rechtes Ohr</source>
        <translation>right ear</translation>
    </message>
    <message>
        <source>Eine simulierte Kalibrierung braucht die simulierte Soundkarte.</source>
        <translation>A simulated calibration needs the simulated sound card.</translation>
    </message>
    <message>
        <source>Der kalibrierende Hörer muss nach Hörpegel beschrieben sein ("scale": "hearing-level").</source>
        <translation>The calibrating listener must be described by hearing level ("scale": "hearing-level").</translation>
    </message>
    <message>
        <source>Die Kalibrierung nach Gehör hat sich nicht geöffnet.</source>
        <translation>The calibration by ear did not open.</translation>
    </message>
    <message>
        <source>Der Ton für %1, %2 Hz ließ sich nicht einschalten.</source>
        <translation>The tone for %1, %2 Hz could not be switched on.</translation>
    </message>
    <message>
        <source>Die Kalibrierung wurde nicht abgeschlossen.</source>
        <translation>The calibration was not completed.</translation>
    </message>
</context>
<context>
    <name>SimulatedProgram</name>
    <message>
        <source>Es konnte kein temporärer Ordner angelegt werden.</source>
        <translation>No temporary folder could be created.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht kopiert werden.</source>
        <translation>The settings could not be copied.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht angelegt werden: %1</source>
        <translation>The settings could not be created: %1</translation>
    </message>
    <message>
        <source>Die Kalibrierung %1 konnte nicht geladen werden.</source>
        <translation>The calibration %1 could not be loaded.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Die Einstellungen können nicht angelegt werden.
%1</source>
        <translation>The settings cannot be created.
%1</translation>
    </message>
    <message>
        <source>%1 Das Programm arbeitet ohne sie; starten Sie es neu, sobald der Soundserver wieder läuft.</source>
        <translation>%1 The program works without them; restart it once the sound server is running again.</translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>Auf dem Datenträger ist kein Platz mehr frei.</source>
        <translation>There is no space left on the disk.</translation>
    </message>
    <message>
        <source>Das Speicherkontingent ist ausgeschöpft.</source>
        <translation>The disk quota is exhausted.</translation>
    </message>
    <message>
        <source>Keine Berechtigung.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>Die Datei oder der Ordner existiert nicht.</source>
        <translation>The file or folder does not exist.</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Ordner.</source>
        <translation>Part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>That is a folder.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Die Datei existiert bereits.</source>
        <translation>The file already exists.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien.</source>
        <translation>Too many open files.</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers.</source>
        <translation>Disk input/output error.</translation>
    </message>
    <message>
        <source>Die Datei liegt auf einem anderen Datenträger.</source>
        <translation>The file is on another disk.</translation>
    </message>
    <message>
        <source>Die Datei ist in Gebrauch.</source>
        <translation>The file is in use.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>Systemfehler Nr. %1.</source>
        <translation>System error no. %1.</translation>
    </message>
    <message>
        <source>kein Fehler</source>
        <translation>no error</translation>
    </message>
    <message>
        <source>ein Objekt ist nicht mit „}“ abgeschlossen</source>
        <translation>an object is not closed with “}”</translation>
    </message>
    <message>
        <source>nach einem Namen fehlt „:“</source>
        <translation>“:” missing after a name</translation>
    </message>
    <message>
        <source>eine Liste ist nicht mit „]“ abgeschlossen</source>
        <translation>a list is not closed with “]”</translation>
    </message>
    <message>
        <source>zwischen zwei Werten fehlt „,“</source>
        <translation>“,” missing between two values</translation>
    </message>
    <message>
        <source>ungültiger Wert</source>
        <translation>invalid value</translation>
    </message>
    <message>
        <source>der Text endet mitten in einer Zahl</source>
        <translation>the text ends in the middle of a number</translation>
    </message>
    <message>
        <source>ungültige Zahl</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <source>ungültige Escape-Folge</source>
        <translation>invalid escape sequence</translation>
    </message>
    <message>
        <source>ungültiges UTF-8</source>
        <translation>invalid UTF-8</translation>
    </message>
    <message>
        <source>eine Zeichenkette ist nicht abgeschlossen</source>
        <translation>a string is not terminated</translation>
    </message>
    <message>
        <source>ein Objekt wurde erwartet</source>
        <translation>an object was expected</translation>
    </message>
    <message>
        <source>zu tief verschachtelt</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>das Dokument ist zu groß</source>
        <translation>the document is too large</translation>
    </message>
    <message>
        <source>nach dem Ende folgt noch Text</source>
        <translation>more text follows the end</translation>
    </message>
    <message>
        <source>JSON-Fehler Nr. %1</source>
        <translation>JSON error no. %1</translation>
    </message>
</context>
<context>
    <name>TavoAudiometer</name>
    <message>
        <source>Aufruf: TavoAudiometer [--lang de|en|source] [--simulate [--listener HOERER.json]] [DATEI]

Das Tonaudiometer "Vorlandt Klarovent".

  DATEI                 eine Testdatei (.vkt oder .aud), die beim Start geöffnet wird,
                        oder eine Kalibrierungsdatei (.vkk), die geladen wird
  --simulate            simulierte Soundkarte statt der echten Geräte
  --listener DATEI      mit --simulate: ein simulierter Hörer beantwortet einen
                        Hörtest, der sofort beginnt (Vorführung ohne Kopfhörer;
                        Beschreibung in docs/listener-json.md)
  --lang SPRACHE        Deutsch (de), Englisch (en) oder die Texte wie in der Vorlage
                        (source); ohne: die Einstellung, sonst die Sprache des Desktops
  --help                diese Hilfe

Die Konsolenwerkzeuge: tavo --help. Das Handbuch: F1 im Programm.
</source>
        <translation>Usage: TavoAudiometer [--lang de|en|source] [--simulate [--listener LISTENER.json]] [FILE]

The pure-tone audiometer "Vorlandt Klarovent".

  FILE                  a test file (.vkt or .aud) to open at start-up,
                        or a calibration file (.vkk) to load
  --simulate            simulated sound card instead of the real devices
  --listener FILE       with --simulate: a simulated listener answers a
                        hearing test that starts at once (demonstration without
                        headphones; described in docs/listener-json.md)
  --lang LANGUAGE       German (de), English (en) or the texts as in the original
                        layout (source); without it: the setting, else the desktop's
  --help                this help

The console tools: tavo --help. The manual: F1 in the program.
</translation>
    </message>
    <message>
        <source>Keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind leer): das Programm braucht eine grafische Oberfläche.</source>
        <translation>No display found (DISPLAY and WAYLAND_DISPLAY are empty): the program needs a graphical desktop.</translation>
    </message>
    <message>
        <source>--listener braucht den Namen einer Hörerdatei.</source>
        <translation>--listener needs the name of a listener file.</translation>
    </message>
    <message>
        <source>--listener geht nur zusammen mit --simulate (simulierte Soundkarte).</source>
        <translation>--listener only works together with --simulate (simulated sound card).</translation>
    </message>
    <message>
        <source>Das Programm läuft schon, antwortet aber nicht. Beenden Sie es und starten Sie es neu.</source>
        <translation>The program is already running but does not respond. Quit it and start it again.</translation>
    </message>
</context>
<context>
    <name>TestFile</name>
    <message>
        <source>Die Datei enthält keinen gültigen Wahrheitswert: „%1“</source>
        <translation>The file does not contain a valid Boolean value: “%1”</translation>
    </message>
    <message>
        <source>Dateiformat nicht erkannt</source>
        <translation>File format not recognised</translation>
    </message>
</context>
<context>
    <name>TestParameters</name>
    <message>
        <source>ist eine ganze Zahl von %1 bis %2%3</source>
        <translation>a whole number from %1 to %2%3</translation>
    </message>
    <message>
        <source>sind %1 bis %2%3</source>
        <translation>%1 to %2%3</translation>
    </message>
    <message>
        <source>Die Einstellung „%1“ ist ungültig. Erlaubt %2. Bitte korrigieren Sie sie in den Einstellungen; der Test wird nicht gestartet.</source>
        <translation>The setting “%1” is invalid. Allowed: %2. Please correct it in the settings; the test will not be started.</translation>
    </message>
    <message>
        <source>Die Einstellung „Signaldauer“ ist ungültig. Erlaubt sind Signal- und Lückendauer zusammen mehr als 0 Sekunden. Bitte korrigieren Sie sie in den Einstellungen; der Test wird nicht gestartet.</source>
        <translation>The setting “Signal duration” is invalid. Allowed: signal and gap duration together more than 0 seconds. Please correct it in the settings; the test will not be started.</translation>
    </message>
</context>
<context>
    <name>TfrmArchive</name>
    <message>
        <source>1. Durchlauf</source>
        <translation>1st run</translation>
    </message>
    <message>
        <source>abgeschlossen</source>
        <translation>completed</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>übernommen</source>
        <translation>imported</translation>
    </message>
    <message>
        <source>Archiv – Ergebnisse</source>
        <translation>Archive – Results</translation>
    </message>
    <message>
        <source>Name suchen…</source>
        <translation>Search name…</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Letzter Test</source>
        <translation>Last test</translation>
    </message>
    <message>
        <source>Letzter APV</source>
        <translation>Last APV</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Prüfbericht…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Person löschen…</source>
        <translation>Delete person…</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Archiv exportieren</source>
        <translation>Export archive</translation>
    </message>
    <message>
        <source>CSV für Tabellenkalkulation (*.csv)</source>
        <translation>CSV for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Archiv %1</source>
        <translation>Archive %1</translation>
    </message>
    <message>
        <source>Erstprüfung</source>
        <translation>Initial test</translation>
    </message>
    <message>
        <source>Überwachung</source>
        <translation>Monitoring</translation>
    </message>
    <message>
        <source>i.O.</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>n.i.O.</source>
        <translation>fail</translation>
    </message>
    <message>
        <source>„%1“ mit %2 aus dem Archiv löschen? Das lässt sich nicht rückgängig machen.</source>
        <translation>Delete “%1” with %2 from the archive? This cannot be undone.</translation>
    </message>
    <message>
        <source>einem Test</source>
        <translation>one test</translation>
    </message>
    <message numerus="yes">
        <source>allen %n Tests</source>
        <translation>
            <numerusform>one test</numerusform>
            <numerusform>all %n tests</numerusform>
        </translation>
    </message>
    <message>
        <source>Person löschen</source>
        <translation>Delete person</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1: %2</source>
        <translation>An error occurred while saving
%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Tests exportiert nach
%1
%2</source>
        <translation>
            <numerusform>%n test exported to
%1
%2</numerusform>
            <numerusform>%n tests exported to
%1
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>TfrmFitCheck</name>
    <message>
        <source>Prüfbericht Gehörschutz</source>
        <translation>Hearing protector fit-check report</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Als PDF speichern…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX (dB(A)):</source>
        <translation>Noise exposure L_EX (dB(A)):</translation>
    </message>
    <message>
        <source>Prüfbericht als PDF speichern</source>
        <translation>Save fit-check report as PDF</translation>
    </message>
    <message>
        <source>Bewertung: %1%2</source>
        <translation>Assessment: %1%2</translation>
    </message>
    <message>
        <source> – Überprotektion möglich</source>
        <translation> – possible overprotection</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1</source>
        <translation>An error occurred while saving
%1</translation>
    </message>
</context>
<context>
    <name>ToneOptions</name>
    <message>
        <source>--ear: "%1" ist weder left noch right</source>
        <translation>--ear: "%1" is neither left nor right</translation>
    </message>
    <message>
        <source>tavo %1: Pegel übersteuert: Spitzen werden begrenzt</source>
        <translation>tavo %1: level overdriven: peaks are clipped</translation>
    </message>
</context>
<context>
    <name>TrackingTest</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Das Audiometer muß zunächst kalibriert werden.</source>
        <translation>The audiometer must be calibrated first.</translation>
    </message>
    <message>
        <source>Erster Testdurchlauf</source>
        <translation>First test run</translation>
    </message>
    <message>
        <source>Zweiter Messdurchlauf</source>
        <translation>Second measuring run</translation>
    </message>
    <message>
        <source>Kompletten Test beendet</source>
        <translation>Complete test finished</translation>
    </message>
    <message>
        <source>Test wurde abgebrochen.</source>
        <translation>The test was interrupted.</translation>
    </message>
    <message>
        <source>Bitte bereiten Sie die Testperson vor und starten die Übungsphase mit OK</source>
        <translation>Please prepare the test subject and start the practice phase with OK</translation>
    </message>
    <message>
        <source>Bitte bereiten Sie die Testperson vor und starten den Test mit OK. Falls Sie sich selbst testen, drücken Sie bitte jetzt den Reaktionstaster. Beim Loslassen startet der eigentliche Test sofort.</source>
        <translation>Please prepare the test subject and start the test with OK. If you are testing yourself, press the response button now. The actual test starts as soon as you release it.</translation>
    </message>
    <message>
        <source>Testprozedur unterbrochen!</source>
        <translation>Test procedure interrupted!</translation>
    </message>
    <message>
        <source>Die Soundkarte antwortet nicht. Der Test wurde abgebrochen.</source>
        <translation>The sound card is not responding. The test was interrupted.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Audiogramm - Probelauf linkes Ohr bei %1 Hz </source>
        <translation>Audiogram - trial run left ear at %1 Hz </translation>
    </message>
    <message>
        <source>Audiogramm - Testwiederholung bei 1000 Hz </source>
        <translation>Audiogram - retest at 1000 Hz </translation>
    </message>
    <message>
        <source>Audiogramm - Hörtest linkes Ohr bei %1 Hz </source>
        <translation>Audiogram - hearing test left ear at %1 Hz </translation>
    </message>
    <message>
        <source>Audiogramm - Hörtest rechtes Ohr bei %1 Hz </source>
        <translation>Audiogram - hearing test right ear at %1 Hz </translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>Der Ton ist zu lang für eine WAV-Datei.</source>
        <translation>The tone is too long for a WAV file.</translation>
    </message>
</context>
<context>
    <name>tavo</name>
    <message>
        <source>tavo [--lang de|en|source] BEFEHL [OPTIONEN]   (tavo BEFEHL --help zeigt die Optionen)</source>
        <translation>tavo [--lang de|en|source] COMMAND [OPTIONS]   (tavo COMMAND --help shows the options)</translation>
    </message>
    <message>
        <source>tavo %1: die Ausgabe konnte nicht geschrieben werden.</source>
        <translation>tavo %1: the output could not be written.</translation>
    </message>
    <message>
        <source>tavo %1: %2 (Hilfe: tavo %1 --help)</source>
        <translation>tavo %1: %2 (help: tavo %1 --help)</translation>
    </message>
    <message>
        <source>tavo: unbekannter Befehl "%1". Hilfe: tavo --help</source>
        <translation>tavo: unknown command "%1". Help: tavo --help</translation>
    </message>
</context>
<context>
    <name>tavo::engine::TfrmTest</name>
    <message>
        <source>Real Time Audiogram</source>
        <translation>Real-Time Audiogram</translation>
    </message>
    <message>
        <source>Status Reaktionstaster</source>
        <translation>Response button</translation>
    </message>
    <message>
        <source>Weiter -&gt;</source>
        <translation>Next -&gt;</translation>
    </message>
</context>
<context>
    <name>tavo::hardware::CalibrationDialog</name>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Wave Out</source>
        <translation>Wave Out</translation>
    </message>
    <message>
        <source>Soundcard Output Wave Volume</source>
        <translation>Sound card output wave volume</translation>
    </message>
    <message>
        <source>Master Out</source>
        <translation>Master Out</translation>
    </message>
    <message>
        <source>Soundcard Output Master Volume</source>
        <translation>Sound card output master volume</translation>
    </message>
    <message>
        <source>Gain Factor</source>
        <translation>Gain Factor</translation>
    </message>
    <message>
        <source>Output Gain</source>
        <translation>Output gain</translation>
    </message>
    <message>
        <source>Der Regler meldet 0 Stufen.</source>
        <translation>The control reports 0 steps.</translation>
    </message>
    <message>
        <source>Die Soundkarte hat diesen Regler nicht.</source>
        <translation>The sound card lacks this control.</translation>
    </message>
    <message>
        <source>Der Testton kann nicht abgespielt werden: die Soundkarte ist nicht verfügbar.</source>
        <translation>The test tone cannot be played: the sound card is not available.</translation>
    </message>
    <message>
        <source>Die Soundkarte antwortet nicht mehr. Der Testton wurde angehalten.</source>
        <translation>The sound card no longer responds. The test tone has been stopped.</translation>
    </message>
</context>
<context>
    <name>tavo::hardware::TfrmBioCal</name>
    <message>
        <source>Calibration by Ear</source>
        <translation>Calibration by Ear</translation>
    </message>
    <message>
        <source>Windows Volume Control (Soundcard)</source>
        <translation>Windows Volume Control (Sound Card)</translation>
    </message>
    <message>
        <source>Tone Generator</source>
        <translation>Tone Generator</translation>
    </message>
    <message>
        <source>Switches Test Tone On and Off</source>
        <translation>Switches the test tone on and off</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Directions</translation>
    </message>
    <message>
        <source>When you have found the hearing threshold, click on 'next' to proceed to the next frequency.</source>
        <translation>When you have found the hearing threshold, click 'Next' to go on to the next frequency.</translation>
    </message>
    <message>
        <source>Brief Instructions. For furter Information read your Manual.</source>
        <translation>Brief instructions. For further information, see the manual.</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Back</translation>
    </message>
    <message>
        <source>Next -&gt;</source>
        <translation>Next -&gt;</translation>
    </message>
    <message>
        <source>Click here when you are satisfied with the mixer settings</source>
        <translation>Click here when you are satisfied with the mixer settings</translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Tongenerator</source>
        <translation>Tone Generator</translation>
    </message>
    <message>
        <source>Windows Lautstärkeregler (Soundkarte)</source>
        <translation>Windows Volume Control (Sound Card)</translation>
    </message>
    <message>
        <source>&lt;- Zurück</source>
        <translation>&lt;- Back</translation>
    </message>
    <message>
        <source>Weiter -&gt;</source>
        <translation>Next -&gt;</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör</source>
        <translation>Calibration by Ear</translation>
    </message>
    <message>
        <source>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Testton und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor (falls bei Ihrer Soundkarte vorhanden) sollte dabei so niedrig wie möglich sein, um das Eigenrauschen der Karte zu minimieren.</source>
        <translation>Enter your known hearing threshold in the yellow field, start the test tone and use the sliders to set the volume exactly to your hearing threshold, between audible and inaudible. The gain factor (if your sound card has one) should be as low as possible to minimise the card's self-noise.</translation>
    </message>
    <message>
        <source>Haben Sie ein Audiogramm von einem aktuellen Hörtest (z.B. von einem Hörtest bei einem Ohrenarzt), den Sie als Referenz benutzen können? Ist dies nicht der Fall, ist es zu empfehlen das gesunde Gehör einer jungen Person als Referenz zu verwenden.</source>
        <translation>Do you have an audiogram from a recent hearing test (e.g. from a hearing test at an ENT doctor's) that you can use as a reference? If not, it is advisable to use the healthy hearing of a young person as the reference.</translation>
    </message>
    <message>
        <source>Kalibrierung per Gehör - Linker Kanal %1 Hz</source>
        <translation>Calibration by Ear - Left Channel %1 Hz</translation>
    </message>
    <message>
        <source>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein.</source>
        <translation>Enter your known hearing threshold in the yellow field, start the tone generator and use the sliders to set the volume exactly to your hearing threshold, between audible and inaudible.</translation>
    </message>
    <message>
        <source>Starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein.</source>
        <translation>Start the tone generator and use the sliders to set the volume exactly to your hearing threshold, between audible and inaudible.</translation>
    </message>
    <message>
        <source>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so niedrig wie möglich sein, um den Rauschabstand zu verbessern.</source>
        <translation>Enter your known hearing threshold in the yellow field, start the tone generator and use the sliders to set the volume exactly to your hearing threshold, between audible and inaudible. The gain factor should be as low as possible to improve the signal-to-noise ratio.</translation>
    </message>
    <message>
        <source> Starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so niedrig wie möglich sein, um den Rauschabstand zu verbessern.</source>
        <translation> Start the tone generator and use the sliders to set the volume exactly to your hearing threshold, between audible and inaudible. The gain factor should be as low as possible to improve the signal-to-noise ratio.</translation>
    </message>
    <message>
        <source>Kalibrierung per Gehör- Linkes Ohr %1 Hz</source>
        <translation>Calibration by Ear - Left Ear %1 Hz</translation>
    </message>
    <message>
        <source>Kalibrierung per Gehör- Rechtes Ohr %1 Hz</source>
        <translation>Calibration by Ear - Right Ear %1 Hz</translation>
    </message>
    <message>
        <source>Linkes Ohr %1 Hz</source>
        <translation>Left ear %1 Hz</translation>
    </message>
    <message>
        <source>Rechtes Ohr %1 Hz</source>
        <translation>Right ear %1 Hz</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kalibrierung abbrechen</source>
        <translation>Cancel calibration</translation>
    </message>
    <message>
        <source>Zurück zur vorherigen Frequenz</source>
        <translation>Back to the previous frequency</translation>
    </message>
</context>
<context>
    <name>tavo::hardware::TfrmCompatibilityTest</name>
    <message>
        <source>Je nach Hardware kann dieser Test sehr laute Töne im Kopfhörer erzeugen.
BITTE NEHMEN SIE DEN KOPFHÖRER AB, wenn sie den Testton einschalten, und setzen Sie ihn DANN wieder auf und erhöhen falls nötig langsam den Pegel.</source>
        <translation>Depending on the hardware, this test can produce very loud tones in the headphones.
PLEASE TAKE THE HEADPHONES OFF when you switch the test tone on, THEN put them back on and, if necessary, raise the level slowly.</translation>
    </message>
    <message>
        <source>Your soundcard is reporting zero possible levels on the wave volume control and is therefore not compatible with this program, sorry. Please try another sound card.</source>
        <translation>Your sound card reports zero possible levels on the wave volume control and is therefore not compatible with this program, sorry. Please try another sound card.</translation>
    </message>
    <message>
        <source>Your soundcard is reporting zero possible levels on the master volume control and is therefore not compatible with this program, sorry. Please try another sound card.</source>
        <translation>Your sound card reports zero possible levels on the master volume control and is therefore not compatible with this program, sorry. Please try another sound card.</translation>
    </message>
    <message>
        <source>Hardware Compatibility Test</source>
        <translation>Hardware Compatibility Test</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Test frequency</source>
        <translation>Test frequency</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Take care and your headphones off when pressing this button.</source>
        <translation>Careful: take your headphones off before pressing this button.</translation>
    </message>
    <message>
        <source>Output level, relative to digital full scale.</source>
        <translation>Output level, relative to digital full scale.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Brief Instructions. For furter Information read your Manual.</source>
        <translation>Brief instructions. For further information, see the manual.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ends this test and closes the window.</source>
        <translation>Ends this test and closes the window.</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Tonpegel, relativ zum Maximalpegel</source>
        <translation>Tone level, relative to maximum</translation>
    </message>
    <message>
        <source>Testton auf Hörschwellenpegel abspielen</source>
        <translation>Play test tone at threshold level</translation>
    </message>
    <message>
        <source>Geben Sie Werte von 0 bis -60 in das gelbe Feld ein, um Soundkarte und Kopfhörer zu testen. Selbst bei -60dB sollten alle Frequenzen in einem ruhigen Raum noch hörbar sein.</source>
        <translation>Enter values from 0 to -60 in the yellow field to test the sound card and headphones. Even at -60dB all frequencies should still be audible in a quiet room.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Der Ton sollte nur aus dem rechten Kanal kommen.</source>
        <translation>The tone should come from the right channel only.</translation>
    </message>
    <message>
        <source>Der Ton sollte nur aus dem linken Kanal kommen.</source>
        <translation>The tone should come from the left channel only.</translation>
    </message>
    <message>
        <source>Aktive Soundkarte: %1</source>
        <translation>Active sound card: %1</translation>
    </message>
</context>
<context>
    <name>tavo::storage::TfrmCalibrationInfo</name>
    <message>
        <source>Calibration Information</source>
        <translation>Calibration details</translation>
    </message>
    <message>
        <source>Calibration done by:</source>
        <translation>Calibrated by:</translation>
    </message>
    <message>
        <source>Enter your Name here</source>
        <translation>Enter your name here</translation>
    </message>
    <message>
        <source>Headphones used:</source>
        <translation>Headphones:</translation>
    </message>
    <message>
        <source>Enter the type of headphones used here</source>
        <translation>Enter the type of headphones used here</translation>
    </message>
    <message>
        <source>Soundcard used:</source>
        <translation>Sound card:</translation>
    </message>
    <message>
        <source>Enter the type of soundcard used here</source>
        <translation>Enter the type of sound card used here</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Add your comments here!</source>
        <translation>Add your comments here!</translation>
    </message>
    <message>
        <source>System date and time. If wrong, correct in Windows Conrol Panel.</source>
        <translation>System date and time. If wrong, correct it in the Windows Control Panel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Calibration finished on %1 at %2</source>
        <translation>Calibration finished on %1 at %2</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1</source>
        <translation>An error occurred while saving
%1</translation>
    </message>
</context>
<context>
    <name>tavo::storage::TfrmSettings</name>
    <message>
        <source>Tavo Audiometer Settings</source>
        <translation>Tavo Audiometer Settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Previously used Sound Device no longer present. Please select new Device!</source>
        <translation>The previously used sound device is no longer present. Please select a new device!</translation>
    </message>
    <message>
        <source>No Devices present</source>
        <translation>No devices present</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.
%1</source>
        <translation>The settings could not be saved.
%1</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 können nicht geöffnet werden: Das Programm „%2“ ließ sich nicht starten.</source>
        <translation>%1 cannot be opened: The program “%2” could not be started.</translation>
    </message>
    <message>
        <source>%1 können nicht geöffnet werden: %2</source>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Das Programm %1 ist nicht installiert.</source>
        <translation>The program %1 is not installed.</translation>
    </message>
    <message>
        <source>Keines der Programme %1 und %2 ist installiert.</source>
        <translation>None of the programs %1 and %2 is installed.</translation>
    </message>
    <message>
        <source>Die Audio-Einstellungen des Systems</source>
        <translation>The system's audio settings</translation>
    </message>
    <message>
        <source>Die Joystick-Einstellungen des Systems</source>
        <translation>The system's joystick settings</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Auf diesem Platz (SQLite-Datei)</source>
        <translation>On this station (SQLite file)</translation>
    </message>
    <message>
        <source>Auf einem PostgreSQL-Server (mehrere Plätze)</source>
        <translation>On a PostgreSQL server (several stations)</translation>
    </message>
    <message>
        <source>Standard von libpq (PGHOST)</source>
        <translation>libpq default (PGHOST)</translation>
    </message>
    <message>
        <source>Anmeldename (PGUSER)</source>
        <translation>Login name (PGUSER)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>SSL-Modus:</source>
        <translation>SSL mode:</translation>
    </message>
    <message>
        <source>Ein Passwort speichert dieses Programm nie. Die Verbindung findet es wie jedes PostgreSQL-Programm: in ~/.pgpass, in einer Dienstdatei (~/.pg_service.conf, PGSERVICE) oder in den Umgebungsvariablen (PGPASSFILE, PGSSLMODE, …). Ist das Archiv nicht erreichbar, warten die Tests auf diesem Platz und werden nachgesendet.</source>
        <translation>This program never stores a password. The connection finds it as every PostgreSQL program does: in ~/.pgpass, in a service file (~/.pg_service.conf, PGSERVICE) or in the environment variables (PGPASSFILE, PGSSLMODE, …). If the archive cannot be reached, the tests wait on this station and are sent later.</translation>
    </message>
    <message>
        <source>Verbindung prüfen</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>Prüfbericht</source>
        <translation>Fit check</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX (dB(A)):</source>
        <translation>Noise exposure L_EX (dB(A)):</translation>
    </message>
    <message>
        <source>Zielpegel am Ohr (dB(A)):</source>
        <translation>Ear target level (dB(A)):</translation>
    </message>
    <message>
        <source>Der Prüfbericht beginnt mit dieser Lärmexposition (leer: ohne Bewertung). Ausreichend ist ein Gehörschutz, dessen beidohrige PAR₈₄ mindestens L_EX minus Zielpegel dämpft.</source>
        <translation>The fit-check report starts with this noise exposure (empty: no rating). A hearing protector is sufficient if its binaural PAR₈₄ attenuates at least L_EX minus the target level.</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist erreichbar.</source>
        <translation>The archive %1 can be reached.</translation>
    </message>
    <message>
        <source>Test Procedure</source>
        <translation>Test method</translation>
    </message>
    <message>
        <source>Test Frequencies</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Test Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Signal duration</source>
        <translation>Signal length</translation>
    </message>
    <message>
        <source>Pause duration</source>
        <translation>Pause length</translation>
    </message>
    <message>
        <source>Level step</source>
        <translation>Level step</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Start level</translation>
    </message>
    <message>
        <source>Test time per frequency</source>
        <translation>Time per frequency</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Reversals</source>
        <translation>Reversals</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Trial run</source>
        <translation>Trial run</translation>
    </message>
    <message>
        <source>Left ear first</source>
        <translation>Left ear first</translation>
    </message>
    <message>
        <source>Reset level on new frequency</source>
        <translation>Reset level on new frequency</translation>
    </message>
    <message>
        <source>Reset level on new side</source>
        <translation>Reset level on new side</translation>
    </message>
    <message>
        <source>Practice deviation</source>
        <translation>Practice deviation</translation>
    </message>
    <message>
        <source>Disable screensaver during test</source>
        <translation>Disable screen saver during test</translation>
    </message>
    <message>
        <source>Show level during test</source>
        <translation>Show level during test</translation>
    </message>
    <message>
        <source>1000 Hz am Ende wiederholen</source>
        <translation>Repeat 1000 Hz at the end</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Systemsprache</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>Wie in der Vorlage</source>
        <translation>As in the original</translation>
    </message>
    <message>
        <source>Gilt ab dem nächsten Start.</source>
        <translation>Applies from the next start.</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Sound Output Device</source>
        <translation>Sound output</translation>
    </message>
    <message>
        <source>Sound card for the test</source>
        <translation>Sound card for testing</translation>
    </message>
    <message>
        <source>Volume driver</source>
        <translation>Volume driver</translation>
    </message>
    <message>
        <source>Multimedia options</source>
        <translation>Multimedia options</translation>
    </message>
    <message>
        <source>Response button</source>
        <translation>Response button</translation>
    </message>
    <message>
        <source>CTRL key</source>
        <translation>Ctrl key</translation>
    </message>
    <message>
        <source>Joystick (recommended)</source>
        <translation>Joystick (preferred)</translation>
    </message>
    <message>
        <source>Joystick Button State</source>
        <translation>Joystick button state</translation>
    </message>
    <message>
        <source>When the response button is pressed, this should turn red.</source>
        <translation>When the response button is pressed, this should turn red.</translation>
    </message>
    <message>
        <source>Joystick options</source>
        <translation>Joystick options</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Drive:</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation>Working directory</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Graph calculation</source>
        <translation>Graph calculation</translation>
    </message>
    <message>
        <source>Show tone level traces</source>
        <translation>Show level traces</translation>
    </message>
    <message>
        <source>Show calculated hearing thresholds</source>
        <translation>Show calculated thresholds</translation>
    </message>
    <message>
        <source>Highlight inaccurate results</source>
        <translation>Highlight inaccurate results</translation>
    </message>
    <message>
        <source>Ignore first reversal</source>
        <translation>Ignore first reversal</translation>
    </message>
    <message>
        <source>Update audiogram during test</source>
        <translation>Update audiogram during test</translation>
    </message>
    <message>
        <source>Graph colours</source>
        <translation>Graph colours</translation>
    </message>
    <message>
        <source>Audiogram Reversals Test 1 </source>
        <translation>Audiogram reversals test 1 </translation>
    </message>
    <message>
        <source>Audiogram Reversals Test 2 </source>
        <translation>Audiogram reversals test 2 </translation>
    </message>
    <message>
        <source>Audiogram Axes &amp; Grid</source>
        <translation>Audiogram axes &amp; grid</translation>
    </message>
    <message>
        <source>Audiogram Background</source>
        <translation>Audiogram background</translation>
    </message>
    <message>
        <source>Application Background</source>
        <translation>Program background</translation>
    </message>
    <message>
        <source>Audiogram Thresholds Test 1</source>
        <translation>Audiogram thresholds test 1</translation>
    </message>
    <message>
        <source>Audiogram Thresholds Test 2</source>
        <translation>Audiogram thresholds test 2</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Re-load default calibration file at startup</source>
        <translation>Reload default calibration file at start-up</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Print Calibration filename on audiogram</source>
        <translation>Print calibration file name on audiogram</translation>
    </message>
    <message>
        <source>Testverfahren</source>
        <translation>Test method</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Testfrequenzen</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Testparameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Signal- dauer</source>
        <translation>Signal length</translation>
    </message>
    <message>
        <source>Lücken- dauer</source>
        <translation>Pause length</translation>
    </message>
    <message>
        <source>Pegel- schritt</source>
        <translation>Level step</translation>
    </message>
    <message>
        <source>Anfangs- pegel</source>
        <translation>Start level</translation>
    </message>
    <message>
        <source>Testdauer pro Frequenz</source>
        <translation>Time per frequency</translation>
    </message>
    <message>
        <source>Richtungswechsel.</source>
        <translation>Reversals</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Probelauf</source>
        <translation>Trial run</translation>
    </message>
    <message>
        <source>Linkes Ohr zuerst</source>
        <translation>Left ear first</translation>
    </message>
    <message>
        <source>Pegelreset bei neuer Frequenz</source>
        <translation>Reset level on new frequency</translation>
    </message>
    <message>
        <source>Pegelreset bei neuer Seite</source>
        <translation>Reset level on new side</translation>
    </message>
    <message>
        <source>Praxisabweichung</source>
        <translation>Practice deviation</translation>
    </message>
    <message>
        <source>Soundkarte für Hörtest</source>
        <translation>Sound card for testing</translation>
    </message>
    <message>
        <source>Dazugehöriger Lautstärketreiber</source>
        <translation>Associated volume driver</translation>
    </message>
    <message>
        <source>BItte wählen Sie die Soundkarte aus, mit der Sie testen möchten</source>
        <translation>Please select the sound card you want to test with</translation>
    </message>
    <message>
        <source>Jede Soundkarte hat entsprechende Lautstärkeregler. Bitte wählen Sie den zugehörigen aus.</source>
        <translation>Each sound card has its own volume controls. Please select the matching one.</translation>
    </message>
    <message>
        <source>Windows Multimedia-Optionen</source>
        <translation>Windows multimedia options</translation>
    </message>
    <message>
        <source>Einstellungen Reaktionstaster</source>
        <translation>Response button settings</translation>
    </message>
    <message>
        <source>STRG-Taste</source>
        <translation>Ctrl key</translation>
    </message>
    <message>
        <source>Joystick (empfohlen)</source>
        <translation>Joystick (preferred)</translation>
    </message>
    <message>
        <source>Testen Sie hier den Reaktionstaster (Joystick) hier. Falls der rote Punkt unkontrolliert an und aus geht oder permanent rot ist, funktioniert Ihr Gerät wahrscheinlich nicht.</source>
        <translation>Test the response button (joystick) here. If the red dot goes on and off by itself or stays red, your device is probably not working.</translation>
    </message>
    <message>
        <source>Windows Joystick-Optionen</source>
        <translation>Windows joystick options</translation>
    </message>
    <message>
        <source>Laufwerk:</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>Arbeitsverzeichnis</source>
        <translation>Working directory</translation>
    </message>
    <message>
        <source>Diagrammberechnung</source>
        <translation>Graph calculation</translation>
    </message>
    <message>
        <source>Pegelverlauf anzeigen</source>
        <translation>Show level traces</translation>
    </message>
    <message>
        <source>Hörschwellen anzeigen</source>
        <translation>Show thresholds</translation>
    </message>
    <message>
        <source>Ungenaue Ergebnisse schraffieren</source>
        <translation>Hatch inaccurate results</translation>
    </message>
    <message>
        <source>Erste Umkehrung verwerfen</source>
        <translation>Discard first reversal</translation>
    </message>
    <message>
        <source>Audiogram in Echtzeit aktualisieren</source>
        <translation>Update audiogram in real time</translation>
    </message>
    <message>
        <source>Diagrammfarben</source>
        <translation>Graph colours</translation>
    </message>
    <message>
        <source>Audiogramm Pegelverlauf Links</source>
        <translation>Audiogram level trace left</translation>
    </message>
    <message>
        <source>Audiogramm Pegelverlauf Rechts</source>
        <translation>Audiogram level trace right</translation>
    </message>
    <message>
        <source>Audiogramm Achsen &amp; Gitter</source>
        <translation>Audiogram axes &amp; grid</translation>
    </message>
    <message>
        <source>Hintergrund Audiogramm</source>
        <translation>Audiogram background</translation>
    </message>
    <message>
        <source>Hintergrund Programm</source>
        <translation>Program background</translation>
    </message>
    <message>
        <source>Audiogramm Hörschwelle Links</source>
        <translation>Audiogram threshold left</translation>
    </message>
    <message>
        <source>Audiogramm Hörschwelle Rechts</source>
        <translation>Audiogram threshold right</translation>
    </message>
    <message>
        <source>Kalibrierungsdatei automatisch beim Start laden</source>
        <translation>Load calibration file automatically at start</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Dateiname der Kalibrierung im Audiogramm drucken</source>
        <translation>Print calibration file name on audiogram</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TfrmMain</name>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Save As...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>P&amp;rinter Setup</source>
        <translation>P&amp;rinter Setup</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>New Calibration by &amp;Ear</source>
        <translation>New Calibration by &amp;Ear</translation>
    </message>
    <message>
        <source>&amp;Load Calibration Data</source>
        <translation>&amp;Load Calibration Data</translation>
    </message>
    <message>
        <source>Check or &amp;Recalibrate by Ear</source>
        <translation>Check or &amp;Recalibrate by Ear</translation>
    </message>
    <message>
        <source>Calibration &amp;Information</source>
        <translation>Calibration &amp;Information</translation>
    </message>
    <message>
        <source>Test Hardware &amp;Compatibility</source>
        <translation>Test Hardware &amp;Compatibility</translation>
    </message>
    <message>
        <source>Hearing &amp;Test</source>
        <translation>Hearing &amp;Test</translation>
    </message>
    <message>
        <source>&amp;New Test</source>
        <translation>&amp;New Test</translation>
    </message>
    <message>
        <source>&amp;Retest</source>
        <translation>&amp;Retest</translation>
    </message>
    <message>
        <source>&amp;View Results</source>
        <translation>&amp;View Results</translation>
    </message>
    <message>
        <source>&amp;Graph Settings</source>
        <translation>&amp;Graph Settings</translation>
    </message>
    <message>
        <source> Audiogram </source>
        <translation> Audiogram </translation>
    </message>
    <message>
        <source> Threshold levels [dB] </source>
        <translation> Threshold levels [dB] </translation>
    </message>
    <message>
        <source>Tested on 01/01/98 at 0:00:00</source>
        <translation>Tested on 01/01/98 at 0:00:00</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Öffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Druckereinstellungen</source>
        <translation>P&amp;rinter Setup</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Kalibrierung</source>
        <translation>&amp;Calibration</translation>
    </message>
    <message>
        <source>&amp;Neue Kalibrierung nach Gehör</source>
        <translation>New Calibration by &amp;Ear</translation>
    </message>
    <message>
        <source>Kalibrierungsdaten &amp;laden</source>
        <translation>&amp;Load Calibration Data</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör &amp;testen oder wiederholen</source>
        <translation>Check or &amp;Recalibrate by Ear</translation>
    </message>
    <message>
        <source>Kalibrierungsinformationen &amp;anzeigen</source>
        <translation>Calibration &amp;Information</translation>
    </message>
    <message>
        <source>Kompatibilitätstest</source>
        <translation>Compatibility Test</translation>
    </message>
    <message>
        <source>&amp;Hörtest</source>
        <translation>Hearing &amp;Test</translation>
    </message>
    <message>
        <source>&amp;Neuen Test durchführen</source>
        <translation>&amp;New Test</translation>
    </message>
    <message>
        <source> Audiogramm </source>
        <translation> Audiogram </translation>
    </message>
    <message>
        <source> Hörschwellenwerte [dB] </source>
        <translation> Threshold levels [dB] </translation>
    </message>
    <message>
        <source> Persönliche Daten </source>
        <translation> Personal data </translation>
    </message>
    <message>
        <source>Testperson:</source>
        <translation>Subject:</translation>
    </message>
    <message>
        <source>Testort</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Keine Audiokarte gefunden! Test und Kalibrierung nicht verfügbar</source>
        <translation>No sound card found! Test and calibration not available</translation>
    </message>
    <message>
        <source>Ein Hörtest läuft. „%1“ wird nicht geöffnet; öffnen Sie die Datei, wenn der Test beendet ist.</source>
        <translation>A hearing test is running. “%1” is not opened; open the file when the test has finished.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>„%1“ ist weder eine Testdatei (.vkt, .aud) noch eine Kalibrierungsdatei (.vkk).</source>
        <translation>“%1” is neither a test file (.vkt, .aud) nor a calibration file (.vkk).</translation>
    </message>
    <message>
        <source>&amp;Archiv</source>
        <translation>&amp;Archive</translation>
    </message>
    <message>
        <source>&amp;Ergebnisse…</source>
        <translation>&amp;Results…</translation>
    </message>
    <message>
        <source>&amp;Datei übernehmen…</source>
        <translation>&amp;Import File…</translation>
    </message>
    <message>
        <source>&amp;Prüfbericht…</source>
        <translation>&amp;Report…</translation>
    </message>
    <message>
        <source>Testdateien übernehmen</source>
        <translation>Import test files</translation>
    </message>
    <message>
        <source>Vorlandt Klarovent Test (*.vkt *.aud)</source>
        <translation>Vorlandt Klarovent test (*.vkt *.aud)</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Für einen Prüfbericht fehlen Ergebnisse: führen Sie einen Test durch oder öffnen Sie eine Testdatei.</source>
        <translation>A fit-check report needs results: run a test or open a test file.</translation>
    </message>
    <message>
        <source>%1 übernommen, %2 schon im Archiv.</source>
        <translation>%1 imported, %2 already in the archive.</translation>
    </message>
    <message>
        <source>Ein Test</source>
        <translation>One test</translation>
    </message>
    <message numerus="yes">
        <source>%n Tests</source>
        <translation>
            <numerusform>%n test</numerusform>
            <numerusform>%n tests</numerusform>
        </translation>
    </message>
    <message>
        <source>Vor der Kalibrierung des Audiometers sollte die Kompatibilität der Soundkarte geprüft werden.
Möchten sie diesen Test jetzt durchführen?</source>
        <translation>The compatibility of the sound card should be checked before the audiometer is calibrated.
Do you want to run this test now?</translation>
    </message>
    <message>
        <source>Test Data </source>
        <translation>Test Data </translation>
    </message>
    <message>
        <source>Test person</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Test location</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Erstprüfung</source>
        <translation>Initial test</translation>
    </message>
    <message>
        <source>Überwachungsprüfung</source>
        <translation>Monitoring test</translation>
    </message>
    <message>
        <source>IO</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>NIO</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Vorlandt Klarovent Test (*.vkt)</source>
        <translation>Vorlandt Klarovent test (*.vkt)</translation>
    </message>
    <message>
        <source>ASCII-Text (*.txt)</source>
        <translation>ASCII text (*.txt)</translation>
    </message>
    <message>
        <source>Open Test File</source>
        <translation>Open Test File</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1</source>
        <translation>An error occurred while saving
%1</translation>
    </message>
    <message>
        <source>Die Testergebnisse wurden nicht gespeichert. Jetzt speichern?</source>
        <translation>The test results have not been saved. Save them now?</translation>
    </message>
    <message>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <source>Dateiname Kalibierung: %1</source>
        <translation>Calibration file name: %1</translation>
    </message>
    <message>
        <source>Der Ausdruck ist fehlgeschlagen. Bitte prüfen Sie den Drucker.</source>
        <translation>Printing failed. Please check the printer.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TfrmPassword</name>
    <message>
        <source>Please enter password</source>
        <translation>Please enter password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TfrmSplash</name>
    <message>
        <source>Hörtest</source>
        <translation>Hearing Test</translation>
    </message>
</context>
</TS>