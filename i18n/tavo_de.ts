<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccuracyReport</name>
    <message>
        <source>ein</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>aus</translation>
    </message>
    <message numerus="yes">
        <source>Genauigkeit von OSPL, OSPR und APV: %n simulierte Hörer (Startwert %1), %2, %3</source>
        <translation>
            <numerusform>Genauigkeit von OSPL, OSPR und APV: %n simulierter Hörer (Startwert %1), %2, %3</numerusform>
            <numerusform>Genauigkeit von OSPL, OSPR und APV: %n simulierte Hörer (Startwert %1), %2, %3</numerusform>
        </translation>
    </message>
    <message>
        <source>mit Gehörschutz im 2. Durchlauf</source>
        <translation>mit Gehörschutz im 2. Durchlauf</translation>
    </message>
    <message>
        <source>ohne Gehörschutz</source>
        <translation>ohne Gehörschutz</translation>
    </message>
    <message>
        <source>menschliche Hörer</source>
        <translation>menschliche Hörer</translation>
    </message>
    <message>
        <source>exakte Hörer</source>
        <translation>exakte Hörer</translation>
    </message>
    <message numerus="yes">
        <source>Einstellungen: Anfangspegel %1 dB HL, Pegelschritt %2 dB, Signal %3 s, Lücke %4 s, Testdauer %5 s, %n Richtungswechsel, Probelauf %6, Praxisabweichung %7</source>
        <translation>
            <numerusform>Einstellungen: Anfangspegel %1 dB HL, Pegelschritt %2 dB, Signal %3 s, Lücke %4 s, Testdauer %5 s, %n Richtungswechsel, Probelauf %6, Praxisabweichung %7</numerusform>
            <numerusform>Einstellungen: Anfangspegel %1 dB HL, Pegelschritt %2 dB, Signal %3 s, Lücke %4 s, Testdauer %5 s, %n Richtungswechsel, Probelauf %6, Praxisabweichung %7</numerusform>
        </translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör mit einer normalhörenden Person (%1 dB HL); der lauteste Ton liegt %2 dB über ihrer Hörschwelle.</source>
        <translation>Kalibrierung nach Gehör mit einer normalhörenden Person (%1 dB HL); der lauteste Ton liegt %2 dB über ihrer Hörschwelle.</translation>
    </message>
    <message>
        <source>Wahrer Wert: der Summenwert der exakten Hörschwellen (Mittel von 1. - 2. Durchlauf über die getesteten Frequenzen, mit Praxisabweichung +5 dB, gerundet wie im Programm).</source>
        <translation>Wahrer Wert: der Summenwert der exakten Hörschwellen (Mittel von 1. - 2. Durchlauf über die getesteten Frequenzen, mit Praxisabweichung +5 dB, gerundet wie im Programm).</translation>
    </message>
    <message>
        <source>Fehler gegen den wahren Wert (dB)   Mittel  Std.-Abw.  95 %-Wert |F|  max |F|  ohne Wert</source>
        <translation>Fehler gegen den wahren Wert (dB)   Mittel  Std.-Abw.  95 %-Wert |F|  max |F|  ohne Wert</translation>
    </message>
    <message>
        <source>Frequenzen ohne Ergebnis                         1. Durchlauf        2. Durchlauf</source>
        <translation>Frequenzen ohne Ergebnis                         1. Durchlauf        2. Durchlauf</translation>
    </message>
    <message>
        <source>  jenseits des lautesten Tons</source>
        <translation>  jenseits des lautesten Tons</translation>
    </message>
    <message>
        <source>  Zeit abgelaufen / zu wenige Umkehrungen</source>
        <translation>  Zeit abgelaufen / zu wenige Umkehrungen</translation>
    </message>
    <message>
        <source>  zusammen</source>
        <translation>  zusammen</translation>
    </message>
    <message>
        <source>  getestete Frequenzen (Ohr x Frequenz x Test)</source>
        <translation>  getestete Frequenzen (Ohr x Frequenz x Test)</translation>
    </message>
    <message>
        <source>Mittlere Testdauer (beide Durchläufe): %1:%2 min</source>
        <translation>Mittlere Testdauer (beide Durchläufe): %1:%2 min</translation>
    </message>
    <message>
        <source>Nicht zu Ende gelaufene Tests: %1</source>
        <translation>Nicht zu Ende gelaufene Tests: %1</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>Die Person fehlt im Archiv.</source>
        <translation>Die Person fehlt im Archiv.</translation>
    </message>
    <message>
        <source>Der Test bekam keine Nummer.</source>
        <translation>Der Test bekam keine Nummer.</translation>
    </message>
    <message>
        <source>Im Archiv gibt es keinen Test %1.</source>
        <translation>Im Archiv gibt es keinen Test %1.</translation>
    </message>
    <message>
        <source>Im Archiv gibt es keine Person %1.</source>
        <translation>Im Archiv gibt es keine Person %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveChart</name>
    <message>
        <source>Keine Tests</source>
        <translation>Keine Tests</translation>
    </message>
</context>
<context>
    <name>ArchiveConnection</name>
    <message>
        <source>Das Archiv %1 meldet einen Fehler: %2</source>
        <translation>Das Archiv %1 meldet einen Fehler: %2</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Das Archiv %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Der PostgreSQL-Treiber von Qt (Paket libqt6sql6-psql) ist nicht installiert.</source>
        <translation>Der PostgreSQL-Treiber von Qt (Paket libqt6sql6-psql) ist nicht installiert.</translation>
    </message>
    <message>
        <source>Der SQLite-Treiber von Qt (Paket libqt6sql6-sqlite) ist nicht installiert.</source>
        <translation>Der SQLite-Treiber von Qt (Paket libqt6sql6-sqlite) ist nicht installiert.</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht angelegt werden: %2</source>
        <translation>Das Archiv %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist nicht erreichbar: %2</source>
        <translation>Das Archiv %1 ist nicht erreichbar: %2</translation>
    </message>
</context>
<context>
    <name>ArchiveFitCheck</name>
    <message>
        <source>Im Archiv gibt es keinen Test %1.</source>
        <translation>Im Archiv gibt es keinen Test %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveSchema</name>
    <message>
        <source>Das Archiv wurde von einer neueren Programmversion angelegt (Schema %1, dieses Programm kennt bis %2). Es wird nicht verändert; bitte aktualisieren Sie das Programm.</source>
        <translation>Das Archiv wurde von einer neueren Programmversion angelegt (Schema %1, dieses Programm kennt bis %2). Es wird nicht verändert; bitte aktualisieren Sie das Programm.</translation>
    </message>
</context>
<context>
    <name>ArchiveSpool</name>
    <message>
        <source>Ein wartender Test ist beschädigt und bleibt im Zwischenspeicher.</source>
        <translation>Ein wartender Test ist beschädigt und bleibt im Zwischenspeicher.</translation>
    </message>
</context>
<context>
    <name>ArchiveTypes</name>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Der Port des Archivservers „%1“ ist keine Zahl von 1 bis 65535.</source>
        <translation>Der Port des Archivservers „%1“ ist keine Zahl von 1 bis 65535.</translation>
    </message>
</context>
<context>
    <name>Archivist</name>
    <message>
        <source>Die Ergebnisse sind noch nicht archiviert.
%1
Sie warten auf diesem Platz und werden gesendet, sobald das Archiv erreichbar ist (spätestens beim nächsten Start oder Test).</source>
        <translation>Die Ergebnisse sind noch nicht archiviert.
%1
Sie warten auf diesem Platz und werden gesendet, sobald das Archiv erreichbar ist (spätestens beim nächsten Start oder Test).</translation>
    </message>
    <message>
        <source>Die Ergebnisse konnten weder archiviert noch auf diesem Platz zurückgehalten werden.
%1
Bitte speichern Sie den Test als Datei.</source>
        <translation>Die Ergebnisse konnten weder archiviert noch auf diesem Platz zurückgehalten werden.
%1
Bitte speichern Sie den Test als Datei.</translation>
    </message>
    <message>
        <source>Das Programm wird beendet.</source>
        <translation>Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Noch nicht archivierte Tests warten weiter auf diesem Platz.
%1</source>
        <translation>Noch nicht archivierte Tests warten weiter auf diesem Platz.
%1</translation>
    </message>
</context>
<context>
    <name>Args</name>
    <message>
        <source>--%1: "%2" hat keine bekannte Endung; möglich: %3</source>
        <translation>--%1: "%2" hat keine bekannte Endung; möglich: %3</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Die Option --%1 ist mehrfach angegeben</source>
        <translation>Die Option --%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>Die Option --%1 erwartet keinen Wert</source>
        <translation>Die Option --%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>Die Option --%1 erwartet einen Wert</source>
        <translation>Die Option --%1 erwartet einen Wert</translation>
    </message>
    <message>
        <source>Die Option %1 fehlt</source>
        <translation>Die Option %1 fehlt</translation>
    </message>
    <message>
        <source>Es fehlen die Optionen %1 und %2</source>
        <translation>Es fehlen die Optionen %1 und %2</translation>
    </message>
    <message>
        <source>--%1: "%2" ist keine ganze Zahl von %3 bis %4</source>
        <translation>--%1: "%2" ist keine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>--%1: "%2" ist keine Zahl von %3 bis %4</source>
        <translation>--%1: "%2" ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>--%1 nimmt "on" oder "off"</source>
        <translation>--%1 nimmt "on" oder "off"</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>Die Datei kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht geöffnet.</source>
        <translation>Die Datei ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden.</source>
        <translation>Die Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gesichert werden.</source>
        <translation>Die Datei kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Die Datei ist unvollständig.</source>
        <translation>Die Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschlossen werden.</source>
        <translation>Die Datei kann nicht geschlossen werden.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden.</source>
        <translation>Die Datei kann nicht ersetzt werden.</translation>
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
        <translation>Testdatum Test 1: %1 Uhrzeit: %2 Test 2: %3 Uhrzeit: %4.</translation>
    </message>
</context>
<context>
    <name>CalibrationFile</name>
    <message>
        <source>Not a valid Calibration Data File</source>
        <translation>Keine gültige Kalibrierungsdatei</translation>
    </message>
    <message>
        <source>Vorlandt Klarovent Kalibrierung (*.vkk)</source>
        <translation>Vorlandt Klarovent Kalibrierung (*.vkk)</translation>
    </message>
    <message>
        <source>Open Calibration Data File</source>
        <translation>Kalibrierungsdatei öffnen</translation>
    </message>
    <message>
        <source>Save Calibration Data File</source>
        <translation>Kalibrierungsdatei speichern</translation>
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
1 bei einem Fehler, 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>--worker nimmt ERSTER:ANZAHL</source>
        <translation>--worker nimmt ERSTER:ANZAHL</translation>
    </message>
    <message>
        <source>Exit-Code %1</source>
        <translation>Exit-Code %1</translation>
    </message>
    <message>
        <source>der Prozess ließ sich nicht starten</source>
        <translation>der Prozess ließ sich nicht starten</translation>
    </message>
    <message>
        <source>Ein Teilprozess ist gescheitert: %1</source>
        <translation>Ein Teilprozess ist gescheitert: %1</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--worker und --worker-calibration gehören zusammen</source>
        <translation>--worker und --worker-calibration gehören zusammen</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör ...</source>
        <translation>Kalibrierung nach Gehör ...</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Kalibrierung: %1</translation>
    </message>
    <message>
        <source>Hörer %1 von %2 getestet</source>
        <translation>Hörer %1 von %2 getestet</translation>
    </message>
    <message>
        <source>Es kamen nur %1 von %2 Ergebnissen an.</source>
        <translation>Es kamen nur %1 von %2 Ergebnissen an.</translation>
    </message>
    <message>
        <source>Genauigkeit der Summenwerte mit simulierten Hörern messen</source>
        <translation>Genauigkeit der Summenwerte mit simulierten Hörern messen</translation>
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
        <translation>tavo archive import DATEI.vkt... [ARCHIV]
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
unlesbar, unbekannte ID oder Person), 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>--archive und --server schließen einander aus.</source>
        <translation>--archive und --server schließen einander aus.</translation>
    </message>
    <message>
        <source>Keine Test-ID: %1</source>
        <translation>Keine Test-ID: %1</translation>
    </message>
    <message>
        <source>Erwartet wird mindestens eine Testdatei.</source>
        <translation>Erwartet wird mindestens eine Testdatei.</translation>
    </message>
    <message>
        <source>aufgenommen als</source>
        <translation>aufgenommen als</translation>
    </message>
    <message>
        <source>schon im Archiv als</source>
        <translation>schon im Archiv als</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n Tests)</source>
        <translation>
            <numerusform>%1 (%n Test)</numerusform>
            <numerusform>%1 (%n Tests)</numerusform>
        </translation>
    </message>
    <message>
        <source>(ohne Namen)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>Test %1</translation>
    </message>
    <message>
        <source>Testperson:  %1</source>
        <translation>Testperson:  %1</translation>
    </message>
    <message>
        <source>Testort:     %1</source>
        <translation>Testort:     %1</translation>
    </message>
    <message>
        <source>Test 1:      %1 %2</source>
        <translation>Test 1:      %1 %2</translation>
    </message>
    <message>
        <source>Prüfung:     %1%2</source>
        <translation>Prüfung:     %1%2</translation>
    </message>
    <message>
        <source>Erstprüfung </source>
        <translation>Erstprüfung </translation>
    </message>
    <message>
        <source>Überwachungsprüfung</source>
        <translation>Überwachungsprüfung</translation>
    </message>
    <message>
        <source>Ergebnis:    %1</source>
        <translation>Ergebnis:    %1</translation>
    </message>
    <message>
        <source>i.O.</source>
        <translation>i.O.</translation>
    </message>
    <message>
        <source>n.i.O.</source>
        <translation>n.i.O.</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Zustand:     %1</source>
        <translation>Zustand:     %1</translation>
    </message>
    <message>
        <source>Platz:       %1</source>
        <translation>Platz:       %1</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Kalibrierung: %1</translation>
    </message>
    <message>
        <source>Archiviert:  %1</source>
        <translation>Archiviert:  %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 mit %n Tests gelöscht.</source>
        <translation>
            <numerusform>%1 mit %n Test gelöscht.</numerusform>
            <numerusform>%1 mit %n Tests gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Im Archiv gibt es keine Person „%1“.</source>
        <translation>Im Archiv gibt es keine Person „%1“.</translation>
    </message>
    <message>
        <source>Kein Datum für --%1: %2</source>
        <translation>Kein Datum für --%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Tests exportiert.</source>
        <translation>
            <numerusform>%n Test exportiert.</numerusform>
            <numerusform>%n Tests exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erwartet wird import, list, show, open, delete-person oder export.</source>
        <translation>Erwartet wird import, list, show, open, delete-person oder export.</translation>
    </message>
    <message>
        <source>Erwartet wird genau ein Argument.</source>
        <translation>Erwartet wird genau ein Argument.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Eine Person wird nur mit --yes gelöscht.</source>
        <translation>Eine Person wird nur mit --yes gelöscht.</translation>
    </message>
    <message>
        <source>Unbekannte Aktion: %1</source>
        <translation>Unbekannte Aktion: %1</translation>
    </message>
    <message>
        <source>das Ergebnisarchiv: aufnehmen, zeigen, löschen</source>
        <translation>das Ergebnisarchiv: aufnehmen, zeigen, löschen</translation>
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
        <translation>tavo calibrate-sim --listener HOERER.json --out KALIBRIERUNG.vkk
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
gespeichert wurde, 1 bei einem Fehler, 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Der kalibrierende Hörer muss nach Hörpegel beschrieben sein ("scale": "hearing-level").</source>
        <translation>Der kalibrierende Hörer muss nach Hörpegel beschrieben sein ("scale": "hearing-level").</translation>
    </message>
    <message>
        <source>  %1 %2 Hz: Wave %3, Master %4, Ton %5 dB%6</source>
        <translation>  %1 %2 Hz: Wave %3, Master %4, Ton %5 dB%6</translation>
    </message>
    <message>
        <source>links </source>
        <translation>links </translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>  (Schwelle nicht erreicht)</source>
        <translation>  (Schwelle nicht erreicht)</translation>
    </message>
    <message>
        <source>tavo calibrate-sim: Warnung: auf %1 von 22 Seiten kommt der Ton mit keiner Reglerstellung auf 3 dB an die Hörschwelle.</source>
        <translation>tavo calibrate-sim: Warnung: auf %1 von 22 Seiten kommt der Ton mit keiner Reglerstellung auf 3 dB an die Hörschwelle.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör mit simuliertem Hörer</source>
        <translation>Kalibrierung nach Gehör mit simuliertem Hörer</translation>
    </message>
</context>
<context>
    <name>CmdConvert</name>
    <message>
        <source>Erwartet werden genau zwei Dateinamen: EINGABE AUSGABE.</source>
        <translation>Erwartet werden genau zwei Dateinamen: EINGABE AUSGABE.</translation>
    </message>
    <message>
        <source>Diese Umwandlung gibt es nicht. Möglich sind: .vkt/.aud -&gt; .json, .vkt/.aud -&gt; .txt, .json -&gt; .vkt/.aud, .vkk -&gt; .json, .json -&gt; .vkk</source>
        <translation>Diese Umwandlung gibt es nicht. Möglich sind: .vkt/.aud -&gt; .json, .vkt/.aud -&gt; .txt, .json -&gt; .vkt/.aud, .vkk -&gt; .json, .json -&gt; .vkk</translation>
    </message>
    <message>
        <source>Test- und Kalibrierungsdateien umwandeln (JSON, Textexport)</source>
        <translation>Test- und Kalibrierungsdateien umwandeln (JSON, Textexport)</translation>
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
        <translation>tavo convert EINGABE AUSGABE

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
wird über eine temporäre Datei im selben Ordner geschrieben.</translation>
    </message>
</context>
<context>
    <name>CmdDevices</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>tavo devices: keine Audiokarte gefunden.</source>
        <translation>tavo devices: keine Audiokarte gefunden.</translation>
    </message>
    <message>
        <source>die Wiedergabegeräte auflisten</source>
        <translation>die Wiedergabegeräte auflisten</translation>
    </message>
    <message>
        <source>tavo devices [--simulate]

Listet die Wiedergabegeräte, eines pro Zeile, von 0 an nummeriert, so
wie die Einstellungen sie unter "Soundkarte für Hörtest" zeigen.
--simulate zeigt das simulierte Gerät.</source>
        <translation>tavo devices [--simulate]

Listet die Wiedergabegeräte, eines pro Zeile, von 0 an nummeriert, so
wie die Einstellungen sie unter "Soundkarte für Hörtest" zeigen.
--simulate zeigt das simulierte Gerät.</translation>
    </message>
</context>
<context>
    <name>CmdEndpoint</name>
    <message>
        <source>Erwartet: tavo endpoint set TAUSENDSTEL</source>
        <translation>Erwartet: tavo endpoint set TAUSENDSTEL</translation>
    </message>
    <message>
        <source>Keine ganze Zahl: %1</source>
        <translation>Keine ganze Zahl: %1</translation>
    </message>
    <message>
        <source>tavo endpoint: kein Sound-Server antwortet (%1).</source>
        <translation>tavo endpoint: kein Sound-Server antwortet (%1).</translation>
    </message>
    <message>
        <source>tavo endpoint: kein Standard-Wiedergabegerät.</source>
        <translation>tavo endpoint: kein Standard-Wiedergabegerät.</translation>
    </message>
    <message>
        <source>tavo endpoint: der Pegel %1 wurde nicht übernommen (0 bis 1000).</source>
        <translation>tavo endpoint: der Pegel %1 wurde nicht übernommen (0 bis 1000).</translation>
    </message>
    <message>
        <source>Master-Pegel %1/1000</source>
        <translation>Master-Pegel %1/1000</translation>
    </message>
    <message>
        <source>den Master-Pegel des Standard-Wiedergabegeräts setzen</source>
        <translation>den Master-Pegel des Standard-Wiedergabegeräts setzen</translation>
    </message>
    <message>
        <source>tavo endpoint set TAUSENDSTEL [--simulate]

Setzt den Master-Pegel des Standard-Wiedergabegeräts (beim
PulseAudio- oder PipeWire-Server die Standard-Senke) auf
TAUSENDSTEL/1000: 0 ist still, 1000 voller Pegel. Werte außerhalb
0..1000 weist das Gerät ab; der Pegel bleibt dann, wie er war.
--simulate nimmt das simulierte Gerät.</source>
        <translation>tavo endpoint set TAUSENDSTEL [--simulate]

Setzt den Master-Pegel des Standard-Wiedergabegeräts (beim
PulseAudio- oder PipeWire-Server die Standard-Senke) auf
TAUSENDSTEL/1000: 0 ist still, 1000 voller Pegel. Werte außerhalb
0..1000 weist das Gerät ab; der Pegel bleibt dann, wie er war.
--simulate nimmt das simulierte Gerät.</translation>
    </message>
</context>
<context>
    <name>CmdMixer</name>
    <message>
        <source>--simulate und --sim-device schließen sich aus.</source>
        <translation>--simulate und --sim-device schließen sich aus.</translation>
    </message>
    <message>
        <source>tavo mixer: %1 kann nicht gelesen werden: %2</source>
        <translation>tavo mixer: %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Unbekannter Regler "%1" (die Namen zeigt "tavo mixer").</source>
        <translation>Unbekannter Regler "%1" (die Namen zeigt "tavo mixer").</translation>
    </message>
    <message>
        <source>Keine ganze Zahl: %1</source>
        <translation>Keine ganze Zahl: %1</translation>
    </message>
    <message>
        <source>tavo mixer: keine Mixer-Geräte gefunden.</source>
        <translation>tavo mixer: keine Mixer-Geräte gefunden.</translation>
    </message>
    <message>
        <source>%1 ist kein Pegelregler; "get" liest nur diese.</source>
        <translation>%1 ist kein Pegelregler; "get" liest nur diese.</translation>
    </message>
    <message>
        <source>Ein Schalter nimmt nur 0 (aus) oder 1 (ein).</source>
        <translation>Ein Schalter nimmt nur 0 (aus) oder 1 (ein).</translation>
    </message>
    <message>
        <source>%1 kann nicht gesetzt werden; "set" setzt Pegelregler und Schalter.</source>
        <translation>%1 kann nicht gesetzt werden; "set" setzt Pegelregler und Schalter.</translation>
    </message>
    <message>
        <source>Unerwartete Argumente: %1</source>
        <translation>Unerwartete Argumente: %1</translation>
    </message>
    <message>
        <source>die Mixer-Regler der Soundkarte zeigen und setzen</source>
        <translation>die Mixer-Regler der Soundkarte zeigen und setzen</translation>
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
        <translation>tavo mixer [--device N] [--simulate | --sim-device DATEI.json]
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
in DATEI.json beschriebene (Format: docs/mixer-device-json.md).</translation>
    </message>
</context>
<context>
    <name>CmdPlay</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message numerus="yes">
        <source>tavo play: Gerät %1 gibt es nicht (%n Geräte).</source>
        <translation>
            <numerusform>tavo play: Gerät %1 gibt es nicht (%n Gerät).</numerusform>
            <numerusform>tavo play: Gerät %1 gibt es nicht (%n Geräte).</numerusform>
        </translation>
    </message>
    <message>
        <source>tavo play: Gerät %1 kann nicht spielen (%2).</source>
        <translation>tavo play: Gerät %1 kann nicht spielen (%2).</translation>
    </message>
    <message>
        <source>tavo play: Die Soundkarte antwortet nicht mehr (Gerät %1). Der Ton wurde abgebrochen.</source>
        <translation>tavo play: Die Soundkarte antwortet nicht mehr (Gerät %1). Der Ton wurde abgebrochen.</translation>
    </message>
    <message>
        <source>einen Dauerton auf einem Gerät spielen</source>
        <translation>einen Dauerton auf einem Gerät spielen</translation>
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

Spielt den Ton der Kalibrierung (1 s Impuls, ohne Pause wiederholt) auf
Gerät N (Nummer aus "tavo devices") für S Sekunden und hält ihn dann an.
DB wie bei "tavo tone"; über 0 dB werden die Spitzen begrenzt, das wird
gemeldet. Code 1, wenn das Gerät fehlt oder nicht spielt; falsche Argumente
enden mit Code 2.</translation>
    </message>
</context>
<context>
    <name>CmdRender</name>
    <message>
        <source>tavo render: Einstellungen nur bis "%1" gelesen; der Rest wie nach einem Lesefehler des Programms.</source>
        <translation>tavo render: Einstellungen nur bis "%1" gelesen; der Rest wie nach einem Lesefehler des Programms.</translation>
    </message>
    <message>
        <source>Audiogramm</source>
        <translation>Audiogramm</translation>
    </message>
    <message>
        <source>Erwartet wird genau eine Testdatei (.vkt oder .aud).</source>
        <translation>Erwartet wird genau eine Testdatei (.vkt oder .aud).</translation>
    </message>
    <message>
        <source>Mindestens eine Ausgabe fehlt: --out, --table oder --pdf.</source>
        <translation>Mindestens eine Ausgabe fehlt: --out, --table oder --pdf.</translation>
    </message>
    <message>
        <source>tavo render: %1 kann nicht erzeugt werden.</source>
        <translation>tavo render: %1 kann nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Audiogramm einer Testdatei als Bild oder PDF</source>
        <translation>Audiogramm einer Testdatei als Bild oder PDF</translation>
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
        <translation>tavo render TESTDATEI.vkt --out AUDIOGRAMM.png [--table TABELLE.png]
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
Code 2.</translation>
    </message>
</context>
<context>
    <name>CmdReport</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>der Prüfbericht eines Tests (PAR, Bewertung)</source>
        <translation>der Prüfbericht eines Tests (PAR, Bewertung)</translation>
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
        <translation>tavo report --test DATEI.vkt [--exposure DB] [--settings S.reg]
            [--pdf BERICHT.pdf] [--json BERICHT.json]

Der Prüfbericht des Gehörschutzes: die Dämpfung je Ohr und Frequenz (2. minus
1. Durchlauf), die PAR je Ohr und beidohrig mit PAR84 und PAR95, gegen die
Lärmexposition --exposure (dB(A); ohne: die der Einstellungen, sonst keine
Bewertung) die Bewertung und die Hinweise. Ausgabe als Text; --json und --pdf
schreiben dieselben Zahlen als JSON (docs/fit-check-json.md) und PDF.
--settings nimmt Pegelschritt, Richtungswechsel und Zielpegel aus einer
Einstellungsdatei (sonst die Vorgabewerte).

Exit-Code 0 bei Erfolg, 1 bei einer unlesbaren Datei, 2 bei falschen
Argumenten.</translation>
    </message>
</context>
<context>
    <name>CmdSettings</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>die gespeicherten Einstellungen zeigen</source>
        <translation>die gespeicherten Einstellungen zeigen</translation>
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

Zeigt, was das Programm beim Start aus den gespeicherten Einstellungen in die
Einstellungen übernimmt: eine Zeile NAME=WERT je Wert, in der Reihenfolge des
Lesens (Schalter als 0/1, Texte wie im Feld, Geräte als Listenposition, -1 für
keine, Farben als 8 Hexadezimalziffern), zuletzt "read: ok" oder "read: failed
at NAME" (der erste Wert, der nicht gelesen werden konnte). Ohne --store die
Einstellungsdatei des Programms. --simulate nimmt die simulierten Geräte für
die Gerätelisten. Ändert nichts.
Eine fehlende oder unlesbare Datei und eine, die keine Einstellungsdatei ist
(sie beginnt nicht mit "REGEDIT4" oder das Programm kann sie nicht lesen),
enden mit Code 1; falsche Argumente mit Code 2.</translation>
    </message>
</context>
<context>
    <name>CmdShow</name>
    <message>
        <source>links</source>
        <translation>links</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Durchlauf %1: %2 %3</source>
        <translation>Durchlauf %1: %2 %3</translation>
    </message>
    <message>
        <source>Testdatei:           %1</source>
        <translation>Testdatei:           %1</translation>
    </message>
    <message>
        <source>Testperson:          %1</source>
        <translation>Testperson:          %1</translation>
    </message>
    <message>
        <source>Testort:             %1</source>
        <translation>Testort:             %1</translation>
    </message>
    <message>
        <source>Erstprüfung:         %1</source>
        <translation>Erstprüfung:         %1</translation>
    </message>
    <message>
        <source>Überwachungsprüfung: %1</source>
        <translation>Überwachungsprüfung: %1</translation>
    </message>
    <message>
        <source>Ergebnis:            %1</source>
        <translation>Ergebnis:            %1</translation>
    </message>
    <message>
        <source>IO</source>
        <translation>IO</translation>
    </message>
    <message>
        <source>NIO</source>
        <translation>NIO</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Hörschwellen in dB HL (- = kein Ergebnis; letzte Spalte: Wiederholung bei 1000 Hz):</source>
        <translation>Hörschwellen in dB HL (- = kein Ergebnis; letzte Spalte: Wiederholung bei 1000 Hz):</translation>
    </message>
    <message>
        <source>Kalibrierungsdatei:  %1</source>
        <translation>Kalibrierungsdatei:  %1</translation>
    </message>
    <message>
        <source>Kalibriert von:      %1</source>
        <translation>Kalibriert von:      %1</translation>
    </message>
    <message>
        <source>Kopfhörer:           %1</source>
        <translation>Kopfhörer:           %1</translation>
    </message>
    <message>
        <source>Soundkarte:          %1</source>
        <translation>Soundkarte:          %1</translation>
    </message>
    <message>
        <source>Kommentar:           %1</source>
        <translation>Kommentar:           %1</translation>
    </message>
    <message>
        <source>Abgeschlossen:       %1 um %2</source>
        <translation>Abgeschlossen:       %1 um %2</translation>
    </message>
    <message>
        <source>  Ohr        Hz    Wave  Master    Gain  Reserviert  Bezug (dB)</source>
        <translation>  Ohr        Hz    Wave  Master    Gain  Reserviert  Bezug (dB)</translation>
    </message>
    <message>
        <source>Erwartet wird genau ein Dateiname.</source>
        <translation>Erwartet wird genau ein Dateiname.</translation>
    </message>
    <message>
        <source>eine Test- oder Kalibrierungsdatei lesbar anzeigen</source>
        <translation>eine Test- oder Kalibrierungsdatei lesbar anzeigen</translation>
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
        <translation>tavo show DATEI

Zeigt eine Testdatei (.vkt oder .aud) mit Testperson, Testort, Prüfungsart,
Ergebnis, Datum und Uhrzeit der Durchläufe, den Hörschwellen je Ohr und
Frequenz und OSPL / OSPR / APV, wie das Programm sie berechnet; oder eine
Kalibrierungsdatei (.vkk) mit ihren Texten und den 22 Kalibrierpunkten.
Die Art der Datei ergibt sich aus ihrem Inhalt. Eine fehlende, unlesbare
oder beschädigte Datei meldet den Grund und endet mit Code 1; falsche
Argumente enden mit Code 2.</translation>
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
        <translation>tavo simulate --settings STORE.reg --calibration CAL.vkk --listener HOERER.json
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
kann), 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Meldung: %1</source>
        <translation>Meldung: %1</translation>
    </message>
    <message>
        <source>Der Test wurde nicht gestartet.</source>
        <translation>Der Test wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>kompletten Hörtest mit simuliertem Hörer durchführen</source>
        <translation>kompletten Hörtest mit simuliertem Hörer durchführen</translation>
    </message>
</context>
<context>
    <name>CmdTone</name>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>einen Tonimpuls als WAV-Datei schreiben</source>
        <translation>einen Tonimpuls als WAV-Datei schreiben</translation>
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

Schreibt einen Tonimpuls so, wie der Hörtest ihn spielt: HZ Hertz, DB dB
relativ zur digitalen Vollaussteuerung (0 = Spitzenwert 32767), S Sekunden
Ton mit Ein- und Ausblendung, dann S Sekunden Stille, auf dem gewählten Ohr.
--second-run-offset spielt 5 dB lauter (Praxisabweichung im zweiten Durchlauf).
Zahlen dürfen ein Dezimalkomma haben (0,5). Über 0 dB werden die Spitzen
begrenzt; das wird gemeldet, die Datei trotzdem geschrieben.
Die Datei ist RIFF/WAVE, PCM, 2 Kanäle, 44100 Hz, 16 Bit; ihr Name muss auf
.wav enden. Eine Datei, die nicht geschrieben werden kann, endet mit Code 1,
falsche Argumente enden mit Code 2.</translation>
    </message>
</context>
<context>
    <name>DBusScreenSaver</name>
    <message>
        <source>Hörtest</source>
        <translation>Hörtest</translation>
    </message>
</context>
<context>
    <name>DesktopOpen</name>
    <message>
        <source>xdg-open ist nicht installiert (Paket xdg-utils).</source>
        <translation>xdg-open ist nicht installiert (Paket xdg-utils).</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Kein Programm gefunden, das sie anzeigen kann (kein Browser).</source>
        <translation>Kein Programm gefunden, das sie anzeigen kann (kein Browser).</translation>
    </message>
    <message>
        <source>xdg-open meldet den Fehler %1.</source>
        <translation>xdg-open meldet den Fehler %1.</translation>
    </message>
    <message>
        <source>xdg-open ist abgestürzt.</source>
        <translation>xdg-open ist abgestürzt.</translation>
    </message>
    <message>
        <source>Die Shell /bin/sh lässt sich nicht starten.</source>
        <translation>Die Shell /bin/sh lässt sich nicht starten.</translation>
    </message>
</context>
<context>
    <name>DeviceList</name>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Wiedergabegerät %1</source>
        <translation>Wiedergabegerät %1</translation>
    </message>
    <message>
        <source>Wiedergabegeräte %1</source>
        <translation>Wiedergabegeräte %1</translation>
    </message>
    <message>
        <source>Mischpult %1</source>
        <translation>Mischpult %1</translation>
    </message>
    <message>
        <source>Der Soundserver (PulseAudio oder PipeWire) antwortet nicht. Nicht erreichbar: %1.</source>
        <translation>Der Soundserver (PulseAudio oder PipeWire) antwortet nicht. Nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source> Driver Version </source>
        <translation> Treiberversion </translation>
    </message>
</context>
<context>
    <name>FileJson</name>
    <message>
        <source>Feld „%1“ fehlt</source>
        <translation>Feld „%1“ fehlt</translation>
    </message>
    <message>
        <source>Unbekanntes Feld „%1“</source>
        <translation>Unbekanntes Feld „%1“</translation>
    </message>
    <message>
        <source>Liste mit %1 Einträgen</source>
        <translation>Liste mit %1 Einträgen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>ganze Zahl von %1 bis %2</source>
        <translation>ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>Zahl</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Objekt</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Feld „%1“ hat die falsche Form (erwartet: %2)</source>
        <translation>Feld „%1“ hat die falsche Form (erwartet: %2)</translation>
    </message>
    <message>
        <source>(Dokument)</source>
        <translation>(Dokument)</translation>
    </message>
    <message>
        <source>Feld „format“ muss „%1“ sein</source>
        <translation>Feld „format“ muss „%1“ sein</translation>
    </message>
    <message>
        <source>Der Bezugswert von %1[%2] ist keine endliche Zahl und hat in JSON keine Form</source>
        <translation>Der Bezugswert von %1[%2] ist keine endliche Zahl und hat in JSON keine Form</translation>
    </message>
    <message>
        <source>Kein gültiges JSON (Zeichen %1): %2</source>
        <translation>Kein gültiges JSON (Zeichen %1): %2</translation>
    </message>
    <message>
        <source>Das JSON-Dokument muss ein Objekt sein</source>
        <translation>Das JSON-Dokument muss ein Objekt sein</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>Die Datei kann nicht geöffnet werden.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>FileOutput</name>
    <message>
        <source>Die Datei „%1“ kann nicht angelegt werden: %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>nur %1 von %2 Bytes geschrieben</source>
        <translation>nur %1 von %2 Bytes geschrieben</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht vollständig geschrieben werden: %2</source>
        <translation>Die Datei „%1“ konnte nicht vollständig geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geöffnet werden: %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>FitCheck</name>
    <message>
        <source>Dämpfung bei 125 Hz unter 10 dB (%1: %2 dB): der Stöpsel sitzt womöglich nicht dicht.</source>
        <translation>Dämpfung bei 125 Hz unter 10 dB (%1: %2 dB): der Stöpsel sitzt womöglich nicht dicht.</translation>
    </message>
    <message>
        <source>Die PAR beider Ohren liegen %1 dB auseinander (links %2 dB, rechts %3 dB).</source>
        <translation>Die PAR beider Ohren liegen %1 dB auseinander (links %2 dB, rechts %3 dB).</translation>
    </message>
    <message>
        <source>Das Band %1 Hz fehlt (%2): dort ist keine Dämpfung gemessen.</source>
        <translation>Das Band %1 Hz fehlt (%2): dort ist keine Dämpfung gemessen.</translation>
    </message>
    <message>
        <source>%1, %2 Hz, Durchlauf %3: %4</source>
        <translation>%1, %2 Hz, Durchlauf %3: %4</translation>
    </message>
    <message>
        <source>Die Wiederholung bei 1000 Hz weicht um %1 dB ab (%2, Durchlauf %3)%4</source>
        <translation>Die Wiederholung bei 1000 Hz weicht um %1 dB ab (%2, Durchlauf %3)%4</translation>
    </message>
    <message>
        <source>: nicht verwertbar (10 dB oder mehr).</source>
        <translation>: nicht verwertbar (10 dB oder mehr).</translation>
    </message>
    <message>
        <source>: mehr als 5 dB.</source>
        <translation>: mehr als 5 dB.</translation>
    </message>
    <message>
        <source>Ausreichend</source>
        <translation>Ausreichend</translation>
    </message>
    <message>
        <source>Nicht ausreichend</source>
        <translation>Nicht ausreichend</translation>
    </message>
    <message>
        <source>Keine Bewertung</source>
        <translation>Keine Bewertung</translation>
    </message>
    <message>
        <source>keine Hörschwelle</source>
        <translation>keine Hörschwelle</translation>
    </message>
    <message>
        <source>weniger Richtungswechsel als verlangt (Zeit abgelaufen)</source>
        <translation>weniger Richtungswechsel als verlangt (Zeit abgelaufen)</translation>
    </message>
    <message>
        <source>Streuung über 10 dB</source>
        <translation>Streuung über 10 dB</translation>
    </message>
    <message>
        <source>keine Reaktion unter 100 dB HL</source>
        <translation>keine Reaktion unter 100 dB HL</translation>
    </message>
    <message>
        <source>links</source>
        <translation>links</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>,</source>
        <extracomment>The decimal separator of the report's figures.</extracomment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>FitCheckPainter</name>
    <message>
        <source>links</source>
        <translation>links</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>links 1.</source>
        <translation>links 1.</translation>
    </message>
    <message>
        <source>links 2.</source>
        <translation>links 2.</translation>
    </message>
    <message>
        <source>Dämpfung</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>rechts 1.</source>
        <translation>rechts 1.</translation>
    </message>
    <message>
        <source>rechts 2.</source>
        <translation>rechts 2.</translation>
    </message>
    <message>
        <source>Prüfbericht Gehörschutz</source>
        <translation>Prüfbericht Gehörschutz</translation>
    </message>
    <message>
        <source>Testperson: %1      Testort: %2</source>
        <translation>Testperson: %1      Testort: %2</translation>
    </message>
    <message>
        <source>1. Durchlauf: %1 %2      2. Durchlauf: %3 %4</source>
        <translation>1. Durchlauf: %1 %2      2. Durchlauf: %3 %4</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Kalibrierung: %1</translation>
    </message>
    <message>
        <source>Hörschwellen (dB HL) und Dämpfung (dB); * markiert einen Hinweis</source>
        <translation>Hörschwellen (dB HL) und Dämpfung (dB); * markiert einen Hinweis</translation>
    </message>
    <message>
        <source>beidohrig</source>
        <translation>beidohrig</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX %1 dB(A), Zielpegel am Ohr %2 dB(A): benötigte Dämpfung %3 dB</source>
        <translation>Lärmexposition L_EX %1 dB(A), Zielpegel am Ohr %2 dB(A): benötigte Dämpfung %3 dB</translation>
    </message>
    <message>
        <source>Keine Lärmexposition angegeben.</source>
        <translation>Keine Lärmexposition angegeben.</translation>
    </message>
    <message>
        <source>Bewertung: %1</source>
        <translation>Bewertung: %1</translation>
    </message>
    <message>
        <source>Überprotektion möglich: geschätzter Pegel am Ohr %1 dB(A).</source>
        <translation>Überprotektion möglich: geschätzter Pegel am Ohr %1 dB(A).</translation>
    </message>
</context>
<context>
    <name>FitCheckText</name>
    <message numerus="yes">
        <source>PAR %1: keine (weniger als %n Bänder)</source>
        <translation>
            <numerusform>PAR %1: keine (weniger als %n Band)</numerusform>
            <numerusform>PAR %1: keine (weniger als %n Bänder)</numerusform>
        </translation>
    </message>
    <message>
        <source>Verfahren: Dämpfung = Hörschwelle des 2. minus des 1. Durchlaufs; Oktavbänder 125 bis 8000 Hz (4000 und 8000 Hz mit 3000 und 6000 Hz gemittelt, wo getestet) mit rosa Bezugsrauschen von 100 dB je Band, A-bewertet, in der Art der ISO 4869-2. Keine Zulassung nach einer Norm für Dichtsitzprüfungen.</source>
        <translation>Verfahren: Dämpfung = Hörschwelle des 2. minus des 1. Durchlaufs; Oktavbänder 125 bis 8000 Hz (4000 und 8000 Hz mit 3000 und 6000 Hz gemittelt, wo getestet) mit rosa Bezugsrauschen von 100 dB je Band, A-bewertet, in der Art der ISO 4869-2. Keine Zulassung nach einer Norm für Dichtsitzprüfungen.</translation>
    </message>
    <message>
        <source> Die Schwellen wie gespeichert: mit „Praxisabweichung“ spielte der 2. Durchlauf 5 dB lauter.</source>
        <translation> Die Schwellen wie gespeichert: mit „Praxisabweichung“ spielte der 2. Durchlauf 5 dB lauter.</translation>
    </message>
    <message>
        <source>Prüfbericht Gehörschutz</source>
        <translation>Prüfbericht Gehörschutz</translation>
    </message>
    <message>
        <source>Testperson: %1</source>
        <translation>Testperson: %1</translation>
    </message>
    <message>
        <source>Testort: %1</source>
        <translation>Testort: %1</translation>
    </message>
    <message>
        <source>1. Durchlauf: %1 %2   2. Durchlauf: %3 %4</source>
        <translation>1. Durchlauf: %1 %2   2. Durchlauf: %3 %4</translation>
    </message>
    <message>
        <source>Kalibrierung: %1</source>
        <translation>Kalibrierung: %1</translation>
    </message>
    <message>
        <source>Dämpfung (dB)   links   rechts</source>
        <translation>Dämpfung (dB)   links   rechts</translation>
    </message>
    <message>
        <source>beidohrig</source>
        <translation>beidohrig</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX: %1 dB(A); Zielpegel am Ohr: %2 dB(A); benötigte Dämpfung: %3 dB</source>
        <translation>Lärmexposition L_EX: %1 dB(A); Zielpegel am Ohr: %2 dB(A); benötigte Dämpfung: %3 dB</translation>
    </message>
    <message>
        <source>Geschätzter Pegel am Ohr: %1 dB(A)</source>
        <translation>Geschätzter Pegel am Ohr: %1 dB(A)</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX: keine angegeben</source>
        <translation>Lärmexposition L_EX: keine angegeben</translation>
    </message>
    <message>
        <source>Bewertung: %1%2</source>
        <translation>Bewertung: %1%2</translation>
    </message>
    <message>
        <source> – Überprotektion möglich</source>
        <translation> – Überprotektion möglich</translation>
    </message>
    <message>
        <source>Hinweise:</source>
        <translation>Hinweise:</translation>
    </message>
</context>
<context>
    <name>HelpKey</name>
    <message>
        <source>Das Handbuch ist nicht installiert.</source>
        <translation>Das Handbuch ist nicht installiert.</translation>
    </message>
    <message>
        <source>Das Handbuch konnte nicht geöffnet werden: kein Browser gefunden.
%1
%2</source>
        <translation>Das Handbuch konnte nicht geöffnet werden: kein Browser gefunden.
%1
%2</translation>
    </message>
</context>
<context>
    <name>InputFiles</name>
    <message>
        <source>Testdatei</source>
        <translation>Testdatei</translation>
    </message>
    <message>
        <source>Kalibrierungsdatei</source>
        <translation>Kalibrierungsdatei</translation>
    </message>
    <message>
        <source>%1 ist eine %2, keine %3</source>
        <translation>%1 ist eine %2, keine %3</translation>
    </message>
    <message>
        <source>%1: weder eine Testdatei noch eine Kalibrierungsdatei</source>
        <translation>%1: weder eine Testdatei noch eine Kalibrierungsdatei</translation>
    </message>
    <message>
        <source>%1: keine gültige %2 (%3)</source>
        <translation>%1: keine gültige %2 (%3)</translation>
    </message>
    <message>
        <source>%1: keine gültige %2</source>
        <translation>%1: keine gültige %2</translation>
    </message>
    <message>
        <source>%1 ist leer, keine Einstellungsdatei</source>
        <translation>%1 ist leer, keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>%1 ist zu groß für eine Einstellungsdatei (über %2 Bytes)</source>
        <translation>%1 ist zu groß für eine Einstellungsdatei (über %2 Bytes)</translation>
    </message>
    <message>
        <source>%1 ist keine gültige Einstellungsdatei (das Programm kann sie nicht lesen)</source>
        <translation>%1 ist keine gültige Einstellungsdatei (das Programm kann sie nicht lesen)</translation>
    </message>
    <message>
        <source>%1 ist keine Einstellungsdatei (sie beginnt nicht mit "REGEDIT4")</source>
        <translation>%1 ist keine Einstellungsdatei (sie beginnt nicht mit "REGEDIT4")</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang braucht eine Sprache: de, en oder source.</source>
        <translation>--lang braucht eine Sprache: de, en oder source.</translation>
    </message>
    <message>
        <source>Die Sprache "%1" gibt es nicht: möglich sind de, en und source.</source>
        <translation>Die Sprache "%1" gibt es nicht: möglich sind de, en und source.</translation>
    </message>
</context>
<context>
    <name>ListenerDescription</name>
    <message>
        <source>unbekannter Eintrag</source>
        <translation>unbekannter Eintrag</translation>
    </message>
    <message>
        <source>eine Zahl erwartet</source>
        <translation>eine Zahl erwartet</translation>
    </message>
    <message>
        <source>%1 liegt nicht zwischen %2 und %3</source>
        <translation>%1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>eine ganze Zahl erwartet</source>
        <translation>eine ganze Zahl erwartet</translation>
    </message>
    <message>
        <source>ein Objekt erwartet</source>
        <translation>ein Objekt erwartet</translation>
    </message>
    <message>
        <source>"left" oder "right" erwartet</source>
        <translation>"left" oder "right" erwartet</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>eine Liste von 11 Zahlen erwartet (125 bis 8000 Hz)</source>
        <translation>eine Liste von 11 Zahlen erwartet (125 bis 8000 Hz)</translation>
    </message>
    <message>
        <source>true oder false erwartet</source>
        <translation>true oder false erwartet</translation>
    </message>
    <message>
        <source>%1 Hz ist keine Testfrequenz</source>
        <translation>%1 Hz ist keine Testfrequenz</translation>
    </message>
    <message>
        <source>"shown" oder "hearing-level" erwartet</source>
        <translation>"shown" oder "hearing-level" erwartet</translation>
    </message>
    <message>
        <source>nur für einen Hörer mit "scale": "hearing-level"</source>
        <translation>nur für einen Hörer mit "scale": "hearing-level"</translation>
    </message>
    <message>
        <source>ein Text bis 255 Zeichen erwartet</source>
        <translation>ein Text bis 255 Zeichen erwartet</translation>
    </message>
    <message>
        <source>eine Liste erwartet</source>
        <translation>eine Liste erwartet</translation>
    </message>
    <message>
        <source>ein Dateiname erwartet</source>
        <translation>ein Dateiname erwartet</translation>
    </message>
    <message>
        <source>kein gültiges JSON (Fehler bei Zeichen %1)</source>
        <translation>kein gültiges JSON (Fehler bei Zeichen %1)</translation>
    </message>
    <message>
        <source>ein JSON-Objekt erwartet</source>
        <translation>ein JSON-Objekt erwartet</translation>
    </message>
    <message>
        <source>Die Hörerdatei "%1" kann nicht gelesen werden.</source>
        <translation>Die Hörerdatei "%1" kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Die Hörerdatei "%1" ist ungültig: %2</source>
        <translation>Die Hörerdatei "%1" ist ungültig: %2</translation>
    </message>
</context>
<context>
    <name>ListenerPopulation</name>
    <message>
        <source>Hörer %1</source>
        <translation>Hörer %1</translation>
    </message>
    <message>
        <source>Normalhörende Person (0 dB HL)</source>
        <translation>Normalhörende Person (0 dB HL)</translation>
    </message>
</context>
<context>
    <name>MIXER_e</name>
    <message>
        <source>MixerControlDetails unbekannter Rückgabecode</source>
        <translation>MixerControlDetails unbekannter Rückgabecode</translation>
    </message>
    <message>
        <source>Mixereigenschaften konnten nicht ermittelt werden </source>
        <translation>Mixereigenschaften konnten nicht ermittelt werden </translation>
    </message>
    <message>
        <source>Soundkarten Treiber Problem</source>
        <translation>Soundkarten Treiber Problem</translation>
    </message>
    <message>
        <source>Mixerleitungen : %1</source>
        <translation>Mixerleitungen : %1</translation>
    </message>
    <message>
        <source>Invalid Device Number !</source>
        <translation>Ungültige Gerätenummer !</translation>
    </message>
    <message>
        <source>Sound card driver problem</source>
        <translation>Soundkarten Treiber Problem</translation>
    </message>
    <message>
        <source>Mixer Opening Procedure failed </source>
        <translation>Öffnen des Mixers fehlgeschlagen </translation>
    </message>
    <message>
        <source>Leitung : %1 (%2)</source>
        <translation>Leitung : %1 (%2)</translation>
    </message>
    <message>
        <source>Leitungs-ID : %1   Leitungs-Flags : %2</source>
        <translation>Leitungs-ID : %1   Leitungs-Flags : %2</translation>
    </message>
    <message>
        <source>Steuerelemente : %1   Verbindungen : %2</source>
        <translation>Steuerelemente : %1   Verbindungen : %2</translation>
    </message>
    <message>
        <source>Steuerelement-Typ : %1</source>
        <translation>Steuerelement-Typ : %1</translation>
    </message>
    <message>
        <source>Steuerelement-ID : %1</source>
        <translation>Steuerelement-ID : %1</translation>
    </message>
    <message>
        <source>Kurzname : %1</source>
        <translation>Kurzname : %1</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Name : %1</translation>
    </message>
    <message>
        <source>Minimum : %1   Maximum : %2   Schritte : %3</source>
        <translation>Minimum : %1   Maximum : %2   Schritte : %3</translation>
    </message>
    <message>
        <source>Kanäle : %1</source>
        <translation>Kanäle : %1</translation>
    </message>
    <message>
        <source>Summenregler für beide Kanäle (Uniform)</source>
        <translation>Summenregler für beide Kanäle (Uniform)</translation>
    </message>
    <message>
        <source>Getrennte Regler für jeden Kanal</source>
        <translation>Getrennte Regler für jeden Kanal</translation>
    </message>
    <message>
        <source>Einträge pro Kanal : %1</source>
        <translation>Einträge pro Kanal : %1</translation>
    </message>
    <message>
        <source>Steuerelement Active</source>
        <translation>Steuerelement aktiv</translation>
    </message>
    <message>
        <source>Steuerelement nicht Active </source>
        <translation>Steuerelement nicht aktiv </translation>
    </message>
    <message>
        <source>Level control not supported by sound card driver!</source>
        <translation>Pegelregler wird vom Soundkartentreiber nicht unterstützt!</translation>
    </message>
    <message>
        <source>Control inactive!</source>
        <translation>Regler nicht aktiv!</translation>
    </message>
    <message>
        <source>Regler ist nicht Activeiert</source>
        <translation>Regler ist nicht aktiviert</translation>
    </message>
    <message>
        <source>Switch not supported by Sound card driver!</source>
        <translation>Schalter wird vom Soundkartentreiber nicht unterstützt!</translation>
    </message>
    <message>
        <source>Control is inactive!</source>
        <translation>Regler ist nicht aktiv!</translation>
    </message>
</context>
<context>
    <name>QtMessages</name>
    <message>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RegFileSettingsStore</name>
    <message>
        <source>%1 gibt es nicht.</source>
        <translation>%1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 ist keine lesbare Einstellungsdatei.</source>
        <translation>%1 ist keine lesbare Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Die Einstellungen können nicht gespeichert werden: </source>
        <translation>Die Einstellungen können nicht gespeichert werden: </translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>Fehler beim Lesen der Registry! Benutze Standardwerte.</source>
        <translation>Fehler beim Lesen der Registry! Benutze Standardwerte.</translation>
    </message>
    <message>
        <source>Da Sie das Programm zum ersten mal starten, überprüfen und bestätigen Sie bitte auch die Einstellungen für Soundkarte und Joystick.</source>
        <translation>Da Sie das Programm zum ersten Mal starten, überprüfen und bestätigen Sie bitte auch die Einstellungen für Soundkarte und Joystick.</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>Signaldauer</source>
        <translation>Signaldauer</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Lückendauer</source>
        <translation>Lückendauer</translation>
    </message>
    <message>
        <source>Pegelschritt</source>
        <translation>Pegelschritt</translation>
    </message>
    <message>
        <source>Anfangspegel</source>
        <translation>Anfangspegel</translation>
    </message>
    <message>
        <source>Testdauer pro Frequenz</source>
        <translation>Testdauer pro Frequenz</translation>
    </message>
    <message>
        <source>Richtungswechsel</source>
        <translation>Richtungswechsel</translation>
    </message>
    <message>
        <source>Keine Datei ausgewählt</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Lärmexposition</source>
        <translation>Lärmexposition</translation>
    </message>
    <message>
        <source>Zielpegel am Ohr</source>
        <translation>Zielpegel am Ohr</translation>
    </message>
</context>
<context>
    <name>SimMixerDescription</name>
    <message>
        <source>unbekannter Schlüssel "%1"</source>
        <translation>unbekannter Schlüssel "%1"</translation>
    </message>
    <message>
        <source>keine ganze Zahl</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>keine Zahl: "%1"</source>
        <translation>keine Zahl: "%1"</translation>
    </message>
    <message>
        <source>Zahl erwartet</source>
        <translation>Zahl erwartet</translation>
    </message>
    <message>
        <source>%1 liegt nicht in %2..%3</source>
        <translation>%1 liegt nicht in %2..%3</translation>
    </message>
    <message>
        <source>true oder false erwartet</source>
        <translation>true oder false erwartet</translation>
    </message>
    <message>
        <source>Text erwartet</source>
        <translation>Text erwartet</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>unbekannter Typ "%1"</source>
        <translation>unbekannter Typ "%1"</translation>
    </message>
    <message>
        <source>Liste erwartet</source>
        <translation>Liste erwartet</translation>
    </message>
    <message>
        <source>Objekt erwartet</source>
        <translation>Objekt erwartet</translation>
    </message>
    <message>
        <source>unbekanntes Gesetz "%1" (none, quarter-db, cubic, amplitude oder {"db_per_unit": Zahl})</source>
        <translation>unbekanntes Gesetz "%1" (none, quarter-db, cubic, amplitude oder {"db_per_unit": Zahl})</translation>
    </message>
    <message>
        <source>eine Zahl von -100 bis 100 erwartet</source>
        <translation>eine Zahl von -100 bis 100 erwartet</translation>
    </message>
    <message>
        <source>Name oder Objekt erwartet</source>
        <translation>Name oder Objekt erwartet</translation>
    </message>
    <message>
        <source>höchstens 64</source>
        <translation>höchstens 64</translation>
    </message>
    <message>
        <source>%1 oder %2 Werte erwartet (Kanäle × Einträge)</source>
        <translation>%1 oder %2 Werte erwartet (Kanäle × Einträge)</translation>
    </message>
    <message>
        <source>1 bis 32 erwartet</source>
        <translation>1 bis 32 erwartet</translation>
    </message>
    <message>
        <source>"Major.Minor" mit Zahlen 0..255 erwartet</source>
        <translation>"Major.Minor" mit Zahlen 0..255 erwartet</translation>
    </message>
    <message>
        <source>JSON-Fehler bei Zeichen %1: %2</source>
        <translation>JSON-Fehler bei Zeichen %1: %2</translation>
    </message>
    <message>
        <source>Ein JSON-Objekt erwartet</source>
        <translation>Ein JSON-Objekt erwartet</translation>
    </message>
</context>
<context>
    <name>SimulatedCalibration</name>
    <message>
        <source>linkes Ohr</source>
        <translation>linkes Ohr</translation>
    </message>
    <message>
        <source>rechtes Ohr</source>
        <translation>rechtes Ohr</translation>
    </message>
    <message>
        <source>Eine simulierte Kalibrierung braucht die simulierte Soundkarte.</source>
        <translation>Eine simulierte Kalibrierung braucht die simulierte Soundkarte.</translation>
    </message>
    <message>
        <source>Der kalibrierende Hörer muss nach Hörpegel beschrieben sein ("scale": "hearing-level").</source>
        <translation>Der kalibrierende Hörer muss nach Hörpegel beschrieben sein ("scale": "hearing-level").</translation>
    </message>
    <message>
        <source>Die Kalibrierung nach Gehör hat sich nicht geöffnet.</source>
        <translation>Die Kalibrierung nach Gehör hat sich nicht geöffnet.</translation>
    </message>
    <message>
        <source>Der Ton für %1, %2 Hz ließ sich nicht einschalten.</source>
        <translation>Der Ton für %1, %2 Hz ließ sich nicht einschalten.</translation>
    </message>
    <message>
        <source>Die Kalibrierung wurde nicht abgeschlossen.</source>
        <translation>Die Kalibrierung wurde nicht abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>SimulatedProgram</name>
    <message>
        <source>Es konnte kein temporärer Ordner angelegt werden.</source>
        <translation>Es konnte kein temporärer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht kopiert werden.</source>
        <translation>Die Einstellungen konnten nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht angelegt werden: %1</source>
        <translation>Die Einstellungen konnten nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Die Kalibrierung %1 konnte nicht geladen werden.</source>
        <translation>Die Kalibrierung %1 konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Die Einstellungen können nicht angelegt werden.
%1</source>
        <translation>Die Einstellungen können nicht angelegt werden.
%1</translation>
    </message>
    <message>
        <source>%1 Das Programm arbeitet ohne sie; starten Sie es neu, sobald der Soundserver wieder läuft.</source>
        <translation>%1 Das Programm arbeitet ohne sie; starten Sie es neu, sobald der Soundserver wieder läuft.</translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>Auf dem Datenträger ist kein Platz mehr frei.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr frei.</translation>
    </message>
    <message>
        <source>Das Speicherkontingent ist ausgeschöpft.</source>
        <translation>Das Speicherkontingent ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>Keine Berechtigung.</source>
        <translation>Keine Berechtigung.</translation>
    </message>
    <message>
        <source>Die Datei oder der Ordner existiert nicht.</source>
        <translation>Die Datei oder der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Ordner.</source>
        <translation>Ein Teil des Pfades ist kein Ordner.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>Das ist ein Ordner.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Die Datei existiert bereits.</source>
        <translation>Die Datei existiert bereits.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Der Dateiname ist zu lang.</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien.</source>
        <translation>Zu viele offene Dateien.</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers.</source>
        <translation>Ein-/Ausgabefehler des Datenträgers.</translation>
    </message>
    <message>
        <source>Die Datei liegt auf einem anderen Datenträger.</source>
        <translation>Die Datei liegt auf einem anderen Datenträger.</translation>
    </message>
    <message>
        <source>Die Datei ist in Gebrauch.</source>
        <translation>Die Datei ist in Gebrauch.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>Systemfehler Nr. %1.</source>
        <translation>Systemfehler Nr. %1.</translation>
    </message>
    <message>
        <source>kein Fehler</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>ein Objekt ist nicht mit „}“ abgeschlossen</source>
        <translation>ein Objekt ist nicht mit „}“ abgeschlossen</translation>
    </message>
    <message>
        <source>nach einem Namen fehlt „:“</source>
        <translation>nach einem Namen fehlt „:“</translation>
    </message>
    <message>
        <source>eine Liste ist nicht mit „]“ abgeschlossen</source>
        <translation>eine Liste ist nicht mit „]“ abgeschlossen</translation>
    </message>
    <message>
        <source>zwischen zwei Werten fehlt „,“</source>
        <translation>zwischen zwei Werten fehlt „,“</translation>
    </message>
    <message>
        <source>ungültiger Wert</source>
        <translation>ungültiger Wert</translation>
    </message>
    <message>
        <source>der Text endet mitten in einer Zahl</source>
        <translation>der Text endet mitten in einer Zahl</translation>
    </message>
    <message>
        <source>ungültige Zahl</source>
        <translation>ungültige Zahl</translation>
    </message>
    <message>
        <source>ungültige Escape-Folge</source>
        <translation>ungültige Escape-Folge</translation>
    </message>
    <message>
        <source>ungültiges UTF-8</source>
        <translation>ungültiges UTF-8</translation>
    </message>
    <message>
        <source>eine Zeichenkette ist nicht abgeschlossen</source>
        <translation>eine Zeichenkette ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>ein Objekt wurde erwartet</source>
        <translation>ein Objekt wurde erwartet</translation>
    </message>
    <message>
        <source>zu tief verschachtelt</source>
        <translation>zu tief verschachtelt</translation>
    </message>
    <message>
        <source>das Dokument ist zu groß</source>
        <translation>das Dokument ist zu groß</translation>
    </message>
    <message>
        <source>nach dem Ende folgt noch Text</source>
        <translation>nach dem Ende folgt noch Text</translation>
    </message>
    <message>
        <source>JSON-Fehler Nr. %1</source>
        <translation>JSON-Fehler Nr. %1</translation>
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
        <translation>Aufruf: TavoAudiometer [--lang de|en|source] [--simulate [--listener HOERER.json]] [DATEI]

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
</translation>
    </message>
    <message>
        <source>Keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind leer): das Programm braucht eine grafische Oberfläche.</source>
        <translation>Keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind leer): das Programm braucht eine grafische Oberfläche.</translation>
    </message>
    <message>
        <source>--listener braucht den Namen einer Hörerdatei.</source>
        <translation>--listener braucht den Namen einer Hörerdatei.</translation>
    </message>
    <message>
        <source>--listener geht nur zusammen mit --simulate (simulierte Soundkarte).</source>
        <translation>--listener geht nur zusammen mit --simulate (simulierte Soundkarte).</translation>
    </message>
    <message>
        <source>Das Programm läuft schon, antwortet aber nicht. Beenden Sie es und starten Sie es neu.</source>
        <translation>Das Programm läuft schon, antwortet aber nicht. Beenden Sie es und starten Sie es neu.</translation>
    </message>
</context>
<context>
    <name>TestFile</name>
    <message>
        <source>Die Datei enthält keinen gültigen Wahrheitswert: „%1“</source>
        <translation>Die Datei enthält keinen gültigen Wahrheitswert: „%1“</translation>
    </message>
    <message>
        <source>Dateiformat nicht erkannt</source>
        <translation>Dateiformat nicht erkannt</translation>
    </message>
</context>
<context>
    <name>TestParameters</name>
    <message>
        <source>ist eine ganze Zahl von %1 bis %2%3</source>
        <translation>ist eine ganze Zahl von %1 bis %2%3</translation>
    </message>
    <message>
        <source>sind %1 bis %2%3</source>
        <translation>sind %1 bis %2%3</translation>
    </message>
    <message>
        <source>Die Einstellung „%1“ ist ungültig. Erlaubt %2. Bitte korrigieren Sie sie in den Einstellungen; der Test wird nicht gestartet.</source>
        <translation>Die Einstellung „%1“ ist ungültig. Erlaubt %2. Bitte korrigieren Sie sie in den Einstellungen; der Test wird nicht gestartet.</translation>
    </message>
    <message>
        <source>Die Einstellung „Signaldauer“ ist ungültig. Erlaubt sind Signal- und Lückendauer zusammen mehr als 0 Sekunden. Bitte korrigieren Sie sie in den Einstellungen; der Test wird nicht gestartet.</source>
        <translation>Die Einstellung „Signaldauer“ ist ungültig. Erlaubt sind Signal- und Lückendauer zusammen mehr als 0 Sekunden. Bitte korrigieren Sie sie in den Einstellungen; der Test wird nicht gestartet.</translation>
    </message>
</context>
<context>
    <name>TfrmArchive</name>
    <message>
        <source>1. Durchlauf</source>
        <translation>1. Durchlauf</translation>
    </message>
    <message>
        <source>abgeschlossen</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>übernommen</source>
        <translation>übernommen</translation>
    </message>
    <message>
        <source>Archiv – Ergebnisse</source>
        <translation>Archiv – Ergebnisse</translation>
    </message>
    <message>
        <source>Name suchen…</source>
        <translation>Name suchen…</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Letzter Test</source>
        <translation>Letzter Test</translation>
    </message>
    <message>
        <source>Letzter APV</source>
        <translation>Letzter APV</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Platz</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Prüfbericht…</source>
        <translation>Prüfbericht…</translation>
    </message>
    <message>
        <source>Person löschen…</source>
        <translation>Person löschen…</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Archiv exportieren</source>
        <translation>Archiv exportieren</translation>
    </message>
    <message>
        <source>CSV für Tabellenkalkulation (*.csv)</source>
        <translation>CSV für Tabellenkalkulation (*.csv)</translation>
    </message>
    <message>
        <source>Archiv %1</source>
        <translation>Archiv %1</translation>
    </message>
    <message>
        <source>Erstprüfung</source>
        <translation>Erstprüfung</translation>
    </message>
    <message>
        <source>Überwachung</source>
        <translation>Überwachung</translation>
    </message>
    <message>
        <source>i.O.</source>
        <translation>i.O.</translation>
    </message>
    <message>
        <source>n.i.O.</source>
        <translation>n.i.O.</translation>
    </message>
    <message>
        <source>„%1“ mit %2 aus dem Archiv löschen? Das lässt sich nicht rückgängig machen.</source>
        <translation>„%1“ mit %2 aus dem Archiv löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>einem Test</source>
        <translation>einem Test</translation>
    </message>
    <message numerus="yes">
        <source>allen %n Tests</source>
        <translation>
            <numerusform>einem Test</numerusform>
            <numerusform>allen %n Tests</numerusform>
        </translation>
    </message>
    <message>
        <source>Person löschen</source>
        <translation>Person löschen</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1: %2</source>
        <translation>Beim Speichern ist ein Fehler aufgetreten
%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Tests exportiert nach
%1
%2</source>
        <translation>
            <numerusform>%n Test exportiert nach
%1
%2</numerusform>
            <numerusform>%n Tests exportiert nach
%1
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>TfrmFitCheck</name>
    <message>
        <source>Prüfbericht Gehörschutz</source>
        <translation>Prüfbericht Gehörschutz</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Als PDF speichern…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX (dB(A)):</source>
        <translation>Lärmexposition L_EX (dB(A)):</translation>
    </message>
    <message>
        <source>Prüfbericht als PDF speichern</source>
        <translation>Prüfbericht als PDF speichern</translation>
    </message>
    <message>
        <source>Bewertung: %1%2</source>
        <translation>Bewertung: %1%2</translation>
    </message>
    <message>
        <source> – Überprotektion möglich</source>
        <translation> – Überprotektion möglich</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1</source>
        <translation>Beim Speichern ist ein Fehler aufgetreten
%1</translation>
    </message>
</context>
<context>
    <name>ToneOptions</name>
    <message>
        <source>--ear: "%1" ist weder left noch right</source>
        <translation>--ear: "%1" ist weder left noch right</translation>
    </message>
    <message>
        <source>tavo %1: Pegel übersteuert: Spitzen werden begrenzt</source>
        <translation>tavo %1: Pegel übersteuert: Spitzen werden begrenzt</translation>
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
        <translation>Das Audiometer muß zunächst kalibriert werden.</translation>
    </message>
    <message>
        <source>Erster Testdurchlauf</source>
        <translation>Erster Testdurchlauf</translation>
    </message>
    <message>
        <source>Zweiter Messdurchlauf</source>
        <translation>Zweiter Messdurchlauf</translation>
    </message>
    <message>
        <source>Kompletten Test beendet</source>
        <translation>Kompletten Test beendet</translation>
    </message>
    <message>
        <source>Test wurde abgebrochen.</source>
        <translation>Test wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Bitte bereiten Sie die Testperson vor und starten die Übungsphase mit OK</source>
        <translation>Bitte bereiten Sie die Testperson vor und starten die Übungsphase mit OK</translation>
    </message>
    <message>
        <source>Bitte bereiten Sie die Testperson vor und starten den Test mit OK. Falls Sie sich selbst testen, drücken Sie bitte jetzt den Reaktionstaster. Beim Loslassen startet der eigentliche Test sofort.</source>
        <translation>Bitte bereiten Sie die Testperson vor und starten den Test mit OK. Falls Sie sich selbst testen, drücken Sie bitte jetzt den Reaktionstaster. Beim Loslassen startet der eigentliche Test sofort.</translation>
    </message>
    <message>
        <source>Testprozedur unterbrochen!</source>
        <translation>Testprozedur unterbrochen!</translation>
    </message>
    <message>
        <source>Die Soundkarte antwortet nicht. Der Test wurde abgebrochen.</source>
        <translation>Die Soundkarte antwortet nicht. Der Test wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Audiogramm - Probelauf linkes Ohr bei %1 Hz </source>
        <translation>Audiogramm - Probelauf linkes Ohr bei %1 Hz </translation>
    </message>
    <message>
        <source>Audiogramm - Testwiederholung bei 1000 Hz </source>
        <translation>Audiogramm - Testwiederholung bei 1000 Hz </translation>
    </message>
    <message>
        <source>Audiogramm - Hörtest linkes Ohr bei %1 Hz </source>
        <translation>Audiogramm - Hörtest linkes Ohr bei %1 Hz </translation>
    </message>
    <message>
        <source>Audiogramm - Hörtest rechtes Ohr bei %1 Hz </source>
        <translation>Audiogramm - Hörtest rechtes Ohr bei %1 Hz </translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>Der Ton ist zu lang für eine WAV-Datei.</source>
        <translation>Der Ton ist zu lang für eine WAV-Datei.</translation>
    </message>
</context>
<context>
    <name>tavo</name>
    <message>
        <source>tavo [--lang de|en|source] BEFEHL [OPTIONEN]   (tavo BEFEHL --help zeigt die Optionen)</source>
        <translation>tavo [--lang de|en|source] BEFEHL [OPTIONEN]   (tavo BEFEHL --help zeigt die Optionen)</translation>
    </message>
    <message>
        <source>tavo %1: die Ausgabe konnte nicht geschrieben werden.</source>
        <translation>tavo %1: die Ausgabe konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>tavo %1: %2 (Hilfe: tavo %1 --help)</source>
        <translation>tavo %1: %2 (Hilfe: tavo %1 --help)</translation>
    </message>
    <message>
        <source>tavo: unbekannter Befehl "%1". Hilfe: tavo --help</source>
        <translation>tavo: unbekannter Befehl "%1". Hilfe: tavo --help</translation>
    </message>
</context>
<context>
    <name>tavo::engine::TfrmTest</name>
    <message>
        <source>Real Time Audiogram</source>
        <translation>Echtzeit-Audiogramm</translation>
    </message>
    <message>
        <source>Status Reaktionstaster</source>
        <translation>Status Reaktionstaster</translation>
    </message>
    <message>
        <source>Weiter -&gt;</source>
        <translation>Weiter -&gt;</translation>
    </message>
</context>
<context>
    <name>tavo::hardware::CalibrationDialog</name>
    <message>
        <source>Ein</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Wave Out</source>
        <translation>Wave Out</translation>
    </message>
    <message>
        <source>Soundcard Output Wave Volume</source>
        <translation>Wave-Lautstärke des Soundkartenausgangs</translation>
    </message>
    <message>
        <source>Master Out</source>
        <translation>Master Out</translation>
    </message>
    <message>
        <source>Soundcard Output Master Volume</source>
        <translation>Master-Lautstärke des Soundkartenausgangs</translation>
    </message>
    <message>
        <source>Gain Factor</source>
        <translation>Gain-Faktor</translation>
    </message>
    <message>
        <source>Output Gain</source>
        <translation>Ausgangsverstärkung</translation>
    </message>
    <message>
        <source>Der Regler meldet 0 Stufen.</source>
        <translation>Der Regler meldet 0 Stufen.</translation>
    </message>
    <message>
        <source>Die Soundkarte hat diesen Regler nicht.</source>
        <translation>Die Soundkarte hat diesen Regler nicht.</translation>
    </message>
    <message>
        <source>Der Testton kann nicht abgespielt werden: die Soundkarte ist nicht verfügbar.</source>
        <translation>Der Testton kann nicht abgespielt werden: die Soundkarte ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Die Soundkarte antwortet nicht mehr. Der Testton wurde angehalten.</source>
        <translation>Die Soundkarte antwortet nicht mehr. Der Testton wurde angehalten.</translation>
    </message>
</context>
<context>
    <name>tavo::hardware::TfrmBioCal</name>
    <message>
        <source>Calibration by Ear</source>
        <translation>Kalibrierung nach Gehör</translation>
    </message>
    <message>
        <source>Windows Volume Control (Soundcard)</source>
        <translation>Windows Lautstärkeregler (Soundkarte)</translation>
    </message>
    <message>
        <source>Tone Generator</source>
        <translation>Tongenerator</translation>
    </message>
    <message>
        <source>Switches Test Tone On and Off</source>
        <translation>Schaltet den Testton ein und aus</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Anweisungen</translation>
    </message>
    <message>
        <source>When you have found the hearing threshold, click on 'next' to proceed to the next frequency.</source>
        <translation>Wenn Sie die Hörschwelle gefunden haben, klicken Sie auf „Weiter“, um zur nächsten Frequenz zu gehen.</translation>
    </message>
    <message>
        <source>Brief Instructions. For furter Information read your Manual.</source>
        <translation>Kurzanleitung. Weitere Informationen finden Sie im Handbuch.</translation>
    </message>
    <message>
        <source>&lt;- Previous</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>Next -&gt;</source>
        <translation>Weiter -&gt;</translation>
    </message>
    <message>
        <source>Click here when you are satisfied with the mixer settings</source>
        <translation>Klicken Sie hier, wenn Sie mit den Mixereinstellungen zufrieden sind</translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Tongenerator</source>
        <translation>Tongenerator</translation>
    </message>
    <message>
        <source>Windows Lautstärkeregler (Soundkarte)</source>
        <translation>Windows Lautstärkeregler (Soundkarte)</translation>
    </message>
    <message>
        <source>&lt;- Zurück</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>Weiter -&gt;</source>
        <translation>Weiter -&gt;</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör</source>
        <translation>Kalibrierung nach Gehör</translation>
    </message>
    <message>
        <source>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Testton und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor (falls bei Ihrer Soundkarte vorhanden) sollte dabei so niedrig wie möglich sein, um das Eigenrauschen der Karte zu minimieren.</source>
        <translation>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Testton und stellen Sie die Lautstärke mit den Schiebereglern genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor (falls bei Ihrer Soundkarte vorhanden) sollte dabei so niedrig wie möglich sein, um das Eigenrauschen der Karte zu minimieren.</translation>
    </message>
    <message>
        <source>Haben Sie ein Audiogramm von einem aktuellen Hörtest (z.B. von einem Hörtest bei einem Ohrenarzt), den Sie als Referenz benutzen können? Ist dies nicht der Fall, ist es zu empfehlen das gesunde Gehör einer jungen Person als Referenz zu verwenden.</source>
        <translation>Haben Sie ein Audiogramm von einem aktuellen Hörtest (z.B. von einem Hörtest bei einem Ohrenarzt), den Sie als Referenz benutzen können? Ist dies nicht der Fall, ist es zu empfehlen das gesunde Gehör einer jungen Person als Referenz zu verwenden.</translation>
    </message>
    <message>
        <source>Kalibrierung per Gehör - Linker Kanal %1 Hz</source>
        <translation>Kalibrierung per Gehör - Linker Kanal %1 Hz</translation>
    </message>
    <message>
        <source>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein.</source>
        <translation>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglern genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein.</translation>
    </message>
    <message>
        <source>Starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein.</source>
        <translation>Starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglern genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein.</translation>
    </message>
    <message>
        <source>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so niedrig wie möglich sein, um den Rauschabstand zu verbessern.</source>
        <translation>Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglern genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so niedrig wie möglich sein, um den Rauschabstand zu verbessern.</translation>
    </message>
    <message>
        <source> Starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so niedrig wie möglich sein, um den Rauschabstand zu verbessern.</source>
        <translation> Starten Sie den Tongenerator und stellen Sie die Lautstärke mit den Schiebereglern genau auf Ihre Hörschwelle zwischen hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so niedrig wie möglich sein, um den Rauschabstand zu verbessern.</translation>
    </message>
    <message>
        <source>Kalibrierung per Gehör- Linkes Ohr %1 Hz</source>
        <translation>Kalibrierung per Gehör- Linkes Ohr %1 Hz</translation>
    </message>
    <message>
        <source>Kalibrierung per Gehör- Rechtes Ohr %1 Hz</source>
        <translation>Kalibrierung per Gehör- Rechtes Ohr %1 Hz</translation>
    </message>
    <message>
        <source>Linkes Ohr %1 Hz</source>
        <translation>Linkes Ohr %1 Hz</translation>
    </message>
    <message>
        <source>Rechtes Ohr %1 Hz</source>
        <translation>Rechtes Ohr %1 Hz</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Kalibrierung abbrechen</source>
        <translation>Kalibrierung abbrechen</translation>
    </message>
    <message>
        <source>Zurück zur vorherigen Frequenz</source>
        <translation>Zurück zur vorherigen Frequenz</translation>
    </message>
</context>
<context>
    <name>tavo::hardware::TfrmCompatibilityTest</name>
    <message>
        <source>Je nach Hardware kann dieser Test sehr laute Töne im Kopfhörer erzeugen.
BITTE NEHMEN SIE DEN KOPFHÖRER AB, wenn sie den Testton einschalten, und setzen Sie ihn DANN wieder auf und erhöhen falls nötig langsam den Pegel.</source>
        <translation>Je nach Hardware kann dieser Test sehr laute Töne im Kopfhörer erzeugen.
BITTE NEHMEN SIE DEN KOPFHÖRER AB, wenn Sie den Testton einschalten, und setzen Sie ihn DANN wieder auf und erhöhen falls nötig langsam den Pegel.</translation>
    </message>
    <message>
        <source>Your soundcard is reporting zero possible levels on the wave volume control and is therefore not compatible with this program, sorry. Please try another sound card.</source>
        <translation>Ihre Soundkarte meldet für den Wave-Lautstärkeregler null mögliche Stufen und ist daher leider nicht mit diesem Programm kompatibel. Bitte versuchen Sie eine andere Soundkarte.</translation>
    </message>
    <message>
        <source>Your soundcard is reporting zero possible levels on the master volume control and is therefore not compatible with this program, sorry. Please try another sound card.</source>
        <translation>Ihre Soundkarte meldet für den Master-Lautstärkeregler null mögliche Stufen und ist daher leider nicht mit diesem Programm kompatibel. Bitte versuchen Sie eine andere Soundkarte.</translation>
    </message>
    <message>
        <source>Hardware Compatibility Test</source>
        <translation>Hardware-Kompatibilitätstest</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Test frequency</source>
        <translation>Testfrequenz</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Take care and your headphones off when pressing this button.</source>
        <translation>Vorsicht: Nehmen Sie den Kopfhörer ab, bevor Sie diese Taste drücken.</translation>
    </message>
    <message>
        <source>Output level, relative to digital full scale.</source>
        <translation>Ausgangspegel, bezogen auf die digitale Vollaussteuerung.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Brief Instructions. For furter Information read your Manual.</source>
        <translation>Kurzanleitung. Weitere Informationen finden Sie im Handbuch.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ends this test and closes the window.</source>
        <translation>Beendet diesen Test und schließt das Fenster.</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Tonpegel, relativ zum Maximalpegel</source>
        <translation>Tonpegel, relativ zum Maximalpegel</translation>
    </message>
    <message>
        <source>Testton auf Hörschwellenpegel abspielen</source>
        <translation>Testton auf Hörschwellenpegel abspielen</translation>
    </message>
    <message>
        <source>Geben Sie Werte von 0 bis -60 in das gelbe Feld ein, um Soundkarte und Kopfhörer zu testen. Selbst bei -60dB sollten alle Frequenzen in einem ruhigen Raum noch hörbar sein.</source>
        <translation>Geben Sie Werte von 0 bis -60 in das gelbe Feld ein, um Soundkarte und Kopfhörer zu testen. Selbst bei -60dB sollten alle Frequenzen in einem ruhigen Raum noch hörbar sein.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Der Ton sollte nur aus dem rechten Kanal kommen.</source>
        <translation>Der Ton sollte nur aus dem rechten Kanal kommen.</translation>
    </message>
    <message>
        <source>Der Ton sollte nur aus dem linken Kanal kommen.</source>
        <translation>Der Ton sollte nur aus dem linken Kanal kommen.</translation>
    </message>
    <message>
        <source>Aktive Soundkarte: %1</source>
        <translation>Aktive Soundkarte: %1</translation>
    </message>
</context>
<context>
    <name>tavo::storage::TfrmCalibrationInfo</name>
    <message>
        <source>Calibration Information</source>
        <translation>Angaben zur Kalibrierung</translation>
    </message>
    <message>
        <source>Calibration done by:</source>
        <translation>Kalibriert von:</translation>
    </message>
    <message>
        <source>Enter your Name here</source>
        <translation>Geben Sie hier Ihren Namen ein</translation>
    </message>
    <message>
        <source>Headphones used:</source>
        <translation>Kopfhörertyp:</translation>
    </message>
    <message>
        <source>Enter the type of headphones used here</source>
        <translation>Geben Sie hier den Typ des verwendeten Kopfhörers ein</translation>
    </message>
    <message>
        <source>Soundcard used:</source>
        <translation>Soundkarte:</translation>
    </message>
    <message>
        <source>Enter the type of soundcard used here</source>
        <translation>Geben Sie hier den Typ der verwendeten Soundkarte ein</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Add your comments here!</source>
        <translation>Tragen Sie hier Ihre Bemerkungen ein!</translation>
    </message>
    <message>
        <source>System date and time. If wrong, correct in Windows Conrol Panel.</source>
        <translation>Systemdatum und -uhrzeit. Falls falsch, in der Windows-Systemsteuerung korrigieren.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Calibration finished on %1 at %2</source>
        <translation>Kalibrierung abgeschlossen am %1 um %2</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1</source>
        <translation>Beim Speichern ist ein Fehler aufgetreten
%1</translation>
    </message>
</context>
<context>
    <name>tavo::storage::TfrmSettings</name>
    <message>
        <source>Tavo Audiometer Settings</source>
        <translation>Tavo Audiometer – Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Previously used Sound Device no longer present. Please select new Device!</source>
        <translation>Das bisher verwendete Audiogerät ist nicht mehr vorhanden. Bitte wählen Sie ein neues Gerät aus!</translation>
    </message>
    <message>
        <source>No Devices present</source>
        <translation>Keine Geräte vorhanden</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.
%1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 können nicht geöffnet werden: Das Programm „%2“ ließ sich nicht starten.</source>
        <translation>%1 können nicht geöffnet werden: Das Programm „%2“ ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>%1 können nicht geöffnet werden: %2</source>
        <translation>%1 können nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Das Programm %1 ist nicht installiert.</source>
        <translation>Das Programm %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>Keines der Programme %1 und %2 ist installiert.</source>
        <translation>Keines der Programme %1 und %2 ist installiert.</translation>
    </message>
    <message>
        <source>Die Audio-Einstellungen des Systems</source>
        <translation>Die Audio-Einstellungen des Systems</translation>
    </message>
    <message>
        <source>Die Joystick-Einstellungen des Systems</source>
        <translation>Die Joystick-Einstellungen des Systems</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Auf diesem Platz (SQLite-Datei)</source>
        <translation>Auf diesem Platz (SQLite-Datei)</translation>
    </message>
    <message>
        <source>Auf einem PostgreSQL-Server (mehrere Plätze)</source>
        <translation>Auf einem PostgreSQL-Server (mehrere Plätze)</translation>
    </message>
    <message>
        <source>Standard von libpq (PGHOST)</source>
        <translation>Standard von libpq (PGHOST)</translation>
    </message>
    <message>
        <source>Anmeldename (PGUSER)</source>
        <translation>Anmeldename (PGUSER)</translation>
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
        <translation>Datenbank:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>SSL-Modus:</source>
        <translation>SSL-Modus:</translation>
    </message>
    <message>
        <source>Ein Passwort speichert dieses Programm nie. Die Verbindung findet es wie jedes PostgreSQL-Programm: in ~/.pgpass, in einer Dienstdatei (~/.pg_service.conf, PGSERVICE) oder in den Umgebungsvariablen (PGPASSFILE, PGSSLMODE, …). Ist das Archiv nicht erreichbar, warten die Tests auf diesem Platz und werden nachgesendet.</source>
        <translation>Ein Passwort speichert dieses Programm nie. Die Verbindung findet es wie jedes PostgreSQL-Programm: in ~/.pgpass, in einer Dienstdatei (~/.pg_service.conf, PGSERVICE) oder in den Umgebungsvariablen (PGPASSFILE, PGSSLMODE, …). Ist das Archiv nicht erreichbar, warten die Tests auf diesem Platz und werden nachgesendet.</translation>
    </message>
    <message>
        <source>Verbindung prüfen</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <source>Prüfbericht</source>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Lärmexposition L_EX (dB(A)):</source>
        <translation>Lärmexposition L_EX (dB(A)):</translation>
    </message>
    <message>
        <source>Zielpegel am Ohr (dB(A)):</source>
        <translation>Zielpegel am Ohr (dB(A)):</translation>
    </message>
    <message>
        <source>Der Prüfbericht beginnt mit dieser Lärmexposition (leer: ohne Bewertung). Ausreichend ist ein Gehörschutz, dessen beidohrige PAR₈₄ mindestens L_EX minus Zielpegel dämpft.</source>
        <translation>Der Prüfbericht beginnt mit dieser Lärmexposition (leer: ohne Bewertung). Ausreichend ist ein Gehörschutz, dessen beidohrige PAR₈₄ mindestens L_EX minus Zielpegel dämpft.</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist erreichbar.</source>
        <translation>Das Archiv %1 ist erreichbar.</translation>
    </message>
    <message>
        <source>Test Procedure</source>
        <translation>Testverfahren</translation>
    </message>
    <message>
        <source>Test Frequencies</source>
        <translation>Testfrequenzen</translation>
    </message>
    <message>
        <source>Test Parameters</source>
        <translation>Testparameter</translation>
    </message>
    <message>
        <source>Signal duration</source>
        <translation>Signaldauer</translation>
    </message>
    <message>
        <source>Pause duration</source>
        <translation>Lückendauer</translation>
    </message>
    <message>
        <source>Level step</source>
        <translation>Pegelschritt</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Anfangspegel</translation>
    </message>
    <message>
        <source>Test time per frequency</source>
        <translation>Testdauer pro Frequenz</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Reversals</source>
        <translation>Richtungswechsel</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Trial run</source>
        <translation>Probelauf</translation>
    </message>
    <message>
        <source>Left ear first</source>
        <translation>Linkes Ohr zuerst</translation>
    </message>
    <message>
        <source>Reset level on new frequency</source>
        <translation>Pegelreset bei neuer Frequenz</translation>
    </message>
    <message>
        <source>Reset level on new side</source>
        <translation>Pegelreset bei neuer Seite</translation>
    </message>
    <message>
        <source>Practice deviation</source>
        <translation>Praxisabweichung</translation>
    </message>
    <message>
        <source>Disable screensaver during test</source>
        <translation>Bildschirmschoner während des Tests abschalten</translation>
    </message>
    <message>
        <source>Show level during test</source>
        <translation>Pegel während des Tests anzeigen</translation>
    </message>
    <message>
        <source>1000 Hz am Ende wiederholen</source>
        <translation>1000 Hz am Ende wiederholen</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Systemsprache</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Wie in der Vorlage</source>
        <translation>Wie in der Vorlage</translation>
    </message>
    <message>
        <source>Gilt ab dem nächsten Start.</source>
        <translation>Gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Sound Output Device</source>
        <translation>Schallausgabe</translation>
    </message>
    <message>
        <source>Sound card for the test</source>
        <translation>Soundkarte für den Hörtest</translation>
    </message>
    <message>
        <source>Volume driver</source>
        <translation>Lautstärketreiber</translation>
    </message>
    <message>
        <source>Multimedia options</source>
        <translation>Multimedia-Optionen</translation>
    </message>
    <message>
        <source>Response button</source>
        <translation>Reaktionstaster</translation>
    </message>
    <message>
        <source>CTRL key</source>
        <translation>STRG-Taste</translation>
    </message>
    <message>
        <source>Joystick (recommended)</source>
        <translation>Joystick (empfohlen)</translation>
    </message>
    <message>
        <source>Joystick Button State</source>
        <translation>Zustand der Joystick-Taste</translation>
    </message>
    <message>
        <source>When the response button is pressed, this should turn red.</source>
        <translation>Wenn der Reaktionstaster gedrückt wird, sollte dieser Punkt rot werden.</translation>
    </message>
    <message>
        <source>Joystick options</source>
        <translation>Joystick-Optionen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Drive:</source>
        <translation>Laufwerk:</translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Graph calculation</source>
        <translation>Diagrammberechnung</translation>
    </message>
    <message>
        <source>Show tone level traces</source>
        <translation>Pegelverlauf anzeigen</translation>
    </message>
    <message>
        <source>Show calculated hearing thresholds</source>
        <translation>Berechnete Hörschwellen anzeigen</translation>
    </message>
    <message>
        <source>Highlight inaccurate results</source>
        <translation>Ungenaue Ergebnisse hervorheben</translation>
    </message>
    <message>
        <source>Ignore first reversal</source>
        <translation>Erste Umkehrung ignorieren</translation>
    </message>
    <message>
        <source>Update audiogram during test</source>
        <translation>Audiogramm während des Tests aktualisieren</translation>
    </message>
    <message>
        <source>Graph colours</source>
        <translation>Diagrammfarben</translation>
    </message>
    <message>
        <source>Audiogram Reversals Test 1 </source>
        <translation>Audiogramm Pegelverlauf Test 1 </translation>
    </message>
    <message>
        <source>Audiogram Reversals Test 2 </source>
        <translation>Audiogramm Pegelverlauf Test 2 </translation>
    </message>
    <message>
        <source>Audiogram Axes &amp; Grid</source>
        <translation>Audiogramm Achsen &amp; Gitter</translation>
    </message>
    <message>
        <source>Audiogram Background</source>
        <translation>Hintergrund Audiogramm</translation>
    </message>
    <message>
        <source>Application Background</source>
        <translation>Hintergrund Programm</translation>
    </message>
    <message>
        <source>Audiogram Thresholds Test 1</source>
        <translation>Audiogramm Hörschwellen Test 1</translation>
    </message>
    <message>
        <source>Audiogram Thresholds Test 2</source>
        <translation>Audiogramm Hörschwellen Test 2</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Re-load default calibration file at startup</source>
        <translation>Standard-Kalibrierungsdatei beim Start neu laden</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Print Calibration filename on audiogram</source>
        <translation>Namen der Kalibrierungsdatei auf das Audiogramm drucken</translation>
    </message>
    <message>
        <source>Testverfahren</source>
        <translation>Testverfahren</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Testfrequenzen</source>
        <translation>Testfrequenzen</translation>
    </message>
    <message>
        <source>Testparameter</source>
        <translation>Testparameter</translation>
    </message>
    <message>
        <source>Signal- dauer</source>
        <translation>Signal- dauer</translation>
    </message>
    <message>
        <source>Lücken- dauer</source>
        <translation>Lücken- dauer</translation>
    </message>
    <message>
        <source>Pegel- schritt</source>
        <translation>Pegel- schritt</translation>
    </message>
    <message>
        <source>Anfangs- pegel</source>
        <translation>Anfangs- pegel</translation>
    </message>
    <message>
        <source>Testdauer pro Frequenz</source>
        <translation>Testdauer pro Frequenz</translation>
    </message>
    <message>
        <source>Richtungswechsel.</source>
        <translation>Richtungswechsel.</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Probelauf</source>
        <translation>Probelauf</translation>
    </message>
    <message>
        <source>Linkes Ohr zuerst</source>
        <translation>Linkes Ohr zuerst</translation>
    </message>
    <message>
        <source>Pegelreset bei neuer Frequenz</source>
        <translation>Pegelreset bei neuer Frequenz</translation>
    </message>
    <message>
        <source>Pegelreset bei neuer Seite</source>
        <translation>Pegelreset bei neuer Seite</translation>
    </message>
    <message>
        <source>Praxisabweichung</source>
        <translation>Praxisabweichung</translation>
    </message>
    <message>
        <source>Soundkarte für Hörtest</source>
        <translation>Soundkarte für Hörtest</translation>
    </message>
    <message>
        <source>Dazugehöriger Lautstärketreiber</source>
        <translation>Dazugehöriger Lautstärketreiber</translation>
    </message>
    <message>
        <source>BItte wählen Sie die Soundkarte aus, mit der Sie testen möchten</source>
        <translation>Bitte wählen Sie die Soundkarte aus, mit der Sie testen möchten</translation>
    </message>
    <message>
        <source>Jede Soundkarte hat entsprechende Lautstärkeregler. Bitte wählen Sie den zugehörigen aus.</source>
        <translation>Jede Soundkarte hat entsprechende Lautstärkeregler. Bitte wählen Sie den zugehörigen aus.</translation>
    </message>
    <message>
        <source>Windows Multimedia-Optionen</source>
        <translation>Windows Multimedia-Optionen</translation>
    </message>
    <message>
        <source>Einstellungen Reaktionstaster</source>
        <translation>Einstellungen Reaktionstaster</translation>
    </message>
    <message>
        <source>STRG-Taste</source>
        <translation>STRG-Taste</translation>
    </message>
    <message>
        <source>Joystick (empfohlen)</source>
        <translation>Joystick (empfohlen)</translation>
    </message>
    <message>
        <source>Testen Sie hier den Reaktionstaster (Joystick) hier. Falls der rote Punkt unkontrolliert an und aus geht oder permanent rot ist, funktioniert Ihr Gerät wahrscheinlich nicht.</source>
        <translation>Testen Sie hier den Reaktionstaster (Joystick). Falls der rote Punkt unkontrolliert an und aus geht oder permanent rot ist, funktioniert Ihr Gerät wahrscheinlich nicht.</translation>
    </message>
    <message>
        <source>Windows Joystick-Optionen</source>
        <translation>Windows Joystick-Optionen</translation>
    </message>
    <message>
        <source>Laufwerk:</source>
        <translation>Laufwerk:</translation>
    </message>
    <message>
        <source>Arbeitsverzeichnis</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Diagrammberechnung</source>
        <translation>Diagrammberechnung</translation>
    </message>
    <message>
        <source>Pegelverlauf anzeigen</source>
        <translation>Pegelverlauf anzeigen</translation>
    </message>
    <message>
        <source>Hörschwellen anzeigen</source>
        <translation>Hörschwellen anzeigen</translation>
    </message>
    <message>
        <source>Ungenaue Ergebnisse schraffieren</source>
        <translation>Ungenaue Ergebnisse schraffieren</translation>
    </message>
    <message>
        <source>Erste Umkehrung verwerfen</source>
        <translation>Erste Umkehrung verwerfen</translation>
    </message>
    <message>
        <source>Audiogram in Echtzeit aktualisieren</source>
        <translation>Audiogramm in Echtzeit aktualisieren</translation>
    </message>
    <message>
        <source>Diagrammfarben</source>
        <translation>Diagrammfarben</translation>
    </message>
    <message>
        <source>Audiogramm Pegelverlauf Links</source>
        <translation>Audiogramm Pegelverlauf Links</translation>
    </message>
    <message>
        <source>Audiogramm Pegelverlauf Rechts</source>
        <translation>Audiogramm Pegelverlauf Rechts</translation>
    </message>
    <message>
        <source>Audiogramm Achsen &amp; Gitter</source>
        <translation>Audiogramm Achsen &amp; Gitter</translation>
    </message>
    <message>
        <source>Hintergrund Audiogramm</source>
        <translation>Hintergrund Audiogramm</translation>
    </message>
    <message>
        <source>Hintergrund Programm</source>
        <translation>Hintergrund Programm</translation>
    </message>
    <message>
        <source>Audiogramm Hörschwelle Links</source>
        <translation>Audiogramm Hörschwelle Links</translation>
    </message>
    <message>
        <source>Audiogramm Hörschwelle Rechts</source>
        <translation>Audiogramm Hörschwelle Rechts</translation>
    </message>
    <message>
        <source>Kalibrierungsdatei automatisch beim Start laden</source>
        <translation>Kalibrierungsdatei automatisch beim Start laden</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Dateiname der Kalibrierung im Audiogramm drucken</source>
        <translation>Dateiname der Kalibrierung im Audiogramm drucken</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TfrmMain</name>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>P&amp;rinter Setup</source>
        <translation>&amp;Druckereinstellungen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>New Calibration by &amp;Ear</source>
        <translation>&amp;Neue Kalibrierung nach Gehör</translation>
    </message>
    <message>
        <source>&amp;Load Calibration Data</source>
        <translation>Kalibrierungsdaten &amp;laden</translation>
    </message>
    <message>
        <source>Check or &amp;Recalibrate by Ear</source>
        <translation>Kalibrierung nach Gehör &amp;testen oder wiederholen</translation>
    </message>
    <message>
        <source>Calibration &amp;Information</source>
        <translation>Kalibrierungsinformationen &amp;anzeigen</translation>
    </message>
    <message>
        <source>Test Hardware &amp;Compatibility</source>
        <translation>&amp;Kompatibilitätstest</translation>
    </message>
    <message>
        <source>Hearing &amp;Test</source>
        <translation>&amp;Hörtest</translation>
    </message>
    <message>
        <source>&amp;New Test</source>
        <translation>&amp;Neuen Test durchführen</translation>
    </message>
    <message>
        <source>&amp;Retest</source>
        <translation>Test &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;View Results</source>
        <translation>&amp;Ergebnisse anzeigen</translation>
    </message>
    <message>
        <source>&amp;Graph Settings</source>
        <translation>&amp;Diagrammeinstellungen</translation>
    </message>
    <message>
        <source> Audiogram </source>
        <translation> Audiogramm </translation>
    </message>
    <message>
        <source> Threshold levels [dB] </source>
        <translation> Hörschwellenwerte [dB] </translation>
    </message>
    <message>
        <source>Tested on 01/01/98 at 0:00:00</source>
        <translation>Getestet am 01.01.98 um 0:00:00</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Öffnen</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Druckereinstellungen</source>
        <translation>&amp;Druckereinstellungen</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Kalibrierung</source>
        <translation>&amp;Kalibrierung</translation>
    </message>
    <message>
        <source>&amp;Neue Kalibrierung nach Gehör</source>
        <translation>&amp;Neue Kalibrierung nach Gehör</translation>
    </message>
    <message>
        <source>Kalibrierungsdaten &amp;laden</source>
        <translation>Kalibrierungsdaten &amp;laden</translation>
    </message>
    <message>
        <source>Kalibrierung nach Gehör &amp;testen oder wiederholen</source>
        <translation>Kalibrierung nach Gehör &amp;testen oder wiederholen</translation>
    </message>
    <message>
        <source>Kalibrierungsinformationen &amp;anzeigen</source>
        <translation>Kalibrierungsinformationen &amp;anzeigen</translation>
    </message>
    <message>
        <source>Kompatibilitätstest</source>
        <translation>Kompatibilitätstest</translation>
    </message>
    <message>
        <source>&amp;Hörtest</source>
        <translation>&amp;Hörtest</translation>
    </message>
    <message>
        <source>&amp;Neuen Test durchführen</source>
        <translation>&amp;Neuen Test durchführen</translation>
    </message>
    <message>
        <source> Audiogramm </source>
        <translation> Audiogramm </translation>
    </message>
    <message>
        <source> Hörschwellenwerte [dB] </source>
        <translation> Hörschwellenwerte [dB] </translation>
    </message>
    <message>
        <source> Persönliche Daten </source>
        <translation> Persönliche Daten </translation>
    </message>
    <message>
        <source>Testperson:</source>
        <translation>Testperson:</translation>
    </message>
    <message>
        <source>Testort</source>
        <translation>Testort</translation>
    </message>
    <message>
        <source>Keine Audiokarte gefunden! Test und Kalibrierung nicht verfügbar</source>
        <translation>Keine Audiokarte gefunden! Test und Kalibrierung nicht verfügbar</translation>
    </message>
    <message>
        <source>Ein Hörtest läuft. „%1“ wird nicht geöffnet; öffnen Sie die Datei, wenn der Test beendet ist.</source>
        <translation>Ein Hörtest läuft. „%1“ wird nicht geöffnet; öffnen Sie die Datei, wenn der Test beendet ist.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>„%1“ ist weder eine Testdatei (.vkt, .aud) noch eine Kalibrierungsdatei (.vkk).</source>
        <translation>„%1“ ist weder eine Testdatei (.vkt, .aud) noch eine Kalibrierungsdatei (.vkk).</translation>
    </message>
    <message>
        <source>&amp;Archiv</source>
        <translation>&amp;Archiv</translation>
    </message>
    <message>
        <source>&amp;Ergebnisse…</source>
        <translation>&amp;Ergebnisse…</translation>
    </message>
    <message>
        <source>&amp;Datei übernehmen…</source>
        <translation>&amp;Datei übernehmen…</translation>
    </message>
    <message>
        <source>&amp;Prüfbericht…</source>
        <translation>&amp;Prüfbericht…</translation>
    </message>
    <message>
        <source>Testdateien übernehmen</source>
        <translation>Testdateien übernehmen</translation>
    </message>
    <message>
        <source>Vorlandt Klarovent Test (*.vkt *.aud)</source>
        <translation>Vorlandt Klarovent Test (*.vkt *.aud)</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Für einen Prüfbericht fehlen Ergebnisse: führen Sie einen Test durch oder öffnen Sie eine Testdatei.</source>
        <translation>Für einen Prüfbericht fehlen Ergebnisse: führen Sie einen Test durch oder öffnen Sie eine Testdatei.</translation>
    </message>
    <message>
        <source>%1 übernommen, %2 schon im Archiv.</source>
        <translation>%1 übernommen, %2 schon im Archiv.</translation>
    </message>
    <message>
        <source>Ein Test</source>
        <translation>Ein Test</translation>
    </message>
    <message numerus="yes">
        <source>%n Tests</source>
        <translation>
            <numerusform>%n Test</numerusform>
            <numerusform>%n Tests</numerusform>
        </translation>
    </message>
    <message>
        <source>Vor der Kalibrierung des Audiometers sollte die Kompatibilität der Soundkarte geprüft werden.
Möchten sie diesen Test jetzt durchführen?</source>
        <translation>Vor der Kalibrierung des Audiometers sollte die Kompatibilität der Soundkarte geprüft werden.
Möchten Sie diesen Test jetzt durchführen?</translation>
    </message>
    <message>
        <source>Test Data </source>
        <translation>Testdaten </translation>
    </message>
    <message>
        <source>Test person</source>
        <translation>Testperson</translation>
    </message>
    <message>
        <source>Test location</source>
        <translation>Testort</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Erstprüfung</source>
        <translation>Erstprüfung</translation>
    </message>
    <message>
        <source>Überwachungsprüfung</source>
        <translation>Überwachungsprüfung</translation>
    </message>
    <message>
        <source>IO</source>
        <translation>IO</translation>
    </message>
    <message>
        <source>NIO</source>
        <translation>NIO</translation>
    </message>
    <message>
        <source>Vorlandt Klarovent Test (*.vkt)</source>
        <translation>Vorlandt Klarovent Test (*.vkt)</translation>
    </message>
    <message>
        <source>ASCII-Text (*.txt)</source>
        <translation>ASCII-Text (*.txt)</translation>
    </message>
    <message>
        <source>Open Test File</source>
        <translation>Testdatei öffnen</translation>
    </message>
    <message>
        <source>Beim Speichern ist ein Fehler aufgetreten
%1</source>
        <translation>Beim Speichern ist ein Fehler aufgetreten
%1</translation>
    </message>
    <message>
        <source>Die Testergebnisse wurden nicht gespeichert. Jetzt speichern?</source>
        <translation>Die Testergebnisse wurden nicht gespeichert. Jetzt speichern?</translation>
    </message>
    <message>
        <source>Audiogramm</source>
        <translation>Audiogramm</translation>
    </message>
    <message>
        <source>Dateiname Kalibierung: %1</source>
        <translation>Dateiname Kalibrierung: %1</translation>
    </message>
    <message>
        <source>Der Ausdruck ist fehlgeschlagen. Bitte prüfen Sie den Drucker.</source>
        <translation>Der Ausdruck ist fehlgeschlagen. Bitte prüfen Sie den Drucker.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TfrmPassword</name>
    <message>
        <source>Please enter password</source>
        <translation>Bitte Kennwort eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TfrmSplash</name>
    <message>
        <source>Hörtest</source>
        <translation>Hörtest</translation>
    </message>
</context>
</TS>