<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AIAction</name>
    <message>
        <source>Proofreading…</source>
        <translation>Korrekturlesen…</translation>
    </message>
    <message>
        <source>Rewriting…</source>
        <translation>Umformulieren…</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Übersetzen…</translation>
    </message>
    <message>
        <source>Explaining…</source>
        <translation>Erklären…</translation>
    </message>
    <message>
        <source>Summarizing…</source>
        <translation>Zusammenfassen…</translation>
    </message>
</context>
<context>
    <name>AIEngine</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Unavailable (%1)</source>
        <translation>Nicht verfügbar (%1)</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Some applications (Qt, Chromium, Electron) share their text with assistive tools only while the desktop&apos;s accessibility support is on, so Ringle may not see their selection or caret. Turn it on in the desktop&apos;s accessibility settings.</source>
        <translation>Manche Anwendungen (Qt, Chromium, Electron) geben ihren Text nur an Hilfstechnologien weiter, solange die Barrierefreiheit der Arbeitsumgebung eingeschaltet ist; Ringle sieht dann ihre Auswahl oder Schreibmarke womöglich nicht. Schalten Sie sie in den Barrierefreiheitseinstellungen der Arbeitsumgebung ein.</translation>
    </message>
    <message>
        <source>The accessibility bus is not running, so Ringle cannot see the selection or the caret in other applications. Its actions still work, with results shown next to the pointer. Install at-spi2-core and log in again.</source>
        <translation>Der Barrierefreiheits-Bus läuft nicht, daher sieht Ringle die Auswahl und die Schreibmarke in anderen Anwendungen nicht. Die Aktionen funktionieren trotzdem; Ergebnisse erscheinen neben dem Mauszeiger. Installieren Sie at-spi2-core und melden Sie sich erneut an.</translation>
    </message>
</context>
<context>
    <name>ActionRunner</name>
    <message>
        <source>Ringle needs Accessibility permission.</source>
        <translation>Ringle braucht die Berechtigung für Barrierefreiheit.</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Etwas ist schiefgelaufen.</translation>
    </message>
    <message>
        <source>The text has changed since, so the original is on the clipboard instead.</source>
        <translation>Der Text hat sich inzwischen geändert, daher liegt stattdessen das Original in der Zwischenablage.</translation>
    </message>
</context>
<context>
    <name>AppChooser</name>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>AskChat</name>
    <message>
        <source>Something went wrong.</source>
        <translation>Etwas ist schiefgelaufen.</translation>
    </message>
    <message>
        <source>The conversation is too long for the model.</source>
        <translation>Das Gespräch ist zu lang für das Modell.</translation>
    </message>
</context>
<context>
    <name>AskConversation</name>
    <message>
        <source>Start Over</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Linux has no on-device model, so Ringle needs a local model server such as Ollama or LM Studio. You can connect one in [Settings](ringle-settings:).</source>
        <translation>Linux hat kein Modell auf dem Gerät, daher braucht Ringle einen lokalen Modellserver wie Ollama oder LM Studio. Sie können einen in den [Einstellungen](ringle-settings:) verbinden.</translation>
    </message>
</context>
<context>
    <name>AskPanel</name>
    <message>
        <source>Ask Ringle</source>
        <translation>Ringle fragen</translation>
    </message>
</context>
<context>
    <name>AskQuote</name>
    <message>
        <source>Show less</source>
        <translation>Weniger anzeigen</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>AskView</name>
    <message>
        <source>Ask about the text…</source>
        <translation>Fragen zum Text…</translation>
    </message>
    <message>
        <source>Ask anything…</source>
        <translation>Fragen Sie etwas…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BackendChoice</name>
    <message>
        <source>Ringle needs an X11 display, but DISPLAY is not set: start it from an X11 session.</source>
        <translation>Ringle braucht eine X11-Anzeige, aber DISPLAY ist nicht gesetzt: Starten Sie es aus einer X11-Sitzung.</translation>
    </message>
    <message>
        <source>Ringle needs an X11 display, but it cannot connect to &quot;%1&quot;.</source>
        <translation>Ringle braucht eine X11-Anzeige, kann sich aber nicht mit „%1“ verbinden.</translation>
    </message>
    <message>
        <source>Ringle cannot connect to the Wayland compositor at &quot;%1&quot;.</source>
        <translation>Ringle kann sich nicht mit dem Wayland-Compositor unter „%1“ verbinden.</translation>
    </message>
    <message>
        <source>This Wayland compositor lacks what Ringle needs (%1): turn on XWayland and start Ringle with --backend=x11.</source>
        <translation>Diesem Wayland-Compositor fehlt, was Ringle braucht (%1): Schalten Sie XWayland ein und starten Sie Ringle mit --backend=x11.</translation>
    </message>
    <message>
        <source>The backend must be x11 or wayland, not &quot;%1&quot;.</source>
        <translation>Das Backend muss x11 oder wayland sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Ringle was asked to use Wayland, but WAYLAND_DISPLAY is not set.</source>
        <translation>Ringle soll Wayland verwenden, aber WAYLAND_DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Ringle works only in the XWayland apps for now.</source>
        <translation>Ringle funktioniert vorerst nur in den XWayland-Anwendungen.</translation>
    </message>
    <message>
        <source>This Wayland compositor lacks %1, so Ringle uses XWayland: it works in the XWayland apps. &quot;ringle doctor --backend=wayland&quot; says what to do.</source>
        <translation>Diesem Wayland-Compositor fehlt %1, daher verwendet Ringle XWayland: Es funktioniert in den XWayland-Anwendungen. „ringle doctor --backend=wayland“ sagt, was zu tun ist.</translation>
    </message>
    <message>
        <source>This Wayland compositor lacks %1: Ringle shows the wheel but cannot copy or paste the selection; &quot;ringle doctor&quot; says more.</source>
        <translation>Diesem Wayland-Compositor fehlt %1: Ringle zeigt das Rad, kann die Auswahl aber weder kopieren noch einfügen; „ringle doctor“ sagt mehr.</translation>
    </message>
    <message>
        <source>On GNOME, Ringle needs its GNOME Shell extension: run &quot;gnome-extensions enable %1&quot;. Just after installing Ringle, log out and in first: GNOME Shell on Wayland finds new extensions only when it starts.</source>
        <translation>Unter GNOME braucht Ringle seine GNOME-Shell-Erweiterung: Führen Sie „gnome-extensions enable %1“ aus. Direkt nach der Installation von Ringle melden Sie sich zuerst ab und wieder an: GNOME Shell unter Wayland findet neue Erweiterungen nur beim Start.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--backend needs x11 or wayland</source>
        <translation>--backend braucht x11 oder wayland</translation>
    </message>
    <message>
        <source>--backend needs x11 or wayland, not &quot;%1&quot;</source>
        <translation>--backend braucht x11 oder wayland, nicht „%1“</translation>
    </message>
    <message>
        <source>wheel takes press, release or toggle</source>
        <translation>wheel nimmt press, release oder toggle</translation>
    </message>
    <message>
        <source>unexpected words: %1</source>
        <translation>unerwartete Wörter: %1</translation>
    </message>
    <message>
        <source>%1 takes no further words</source>
        <translation>%1 nimmt keine weiteren Wörter</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>Usage: ringle [--backend=x11|wayland] [OPTION]
  or:  ringle config COMMAND [ARGUMENT...]
  or:  ringle doctor
  or:  ringle wheel press|release|toggle
A system-wide action wheel for the selected text. Without an option, Ringle starts in the system tray; if it is already running it says so and leaves it be.

Hold Ctrl+Alt+H, or Ctrl+Alt and the right mouse button, and a ring of slots opens at the pointer: move toward a slot and release to run it (proofread, rewrite or translate the selection with a local model server, post a key combination, open an app or address); release in the centre to cancel.

Options:
  --settings      open the settings window of the running Ringle, or start Ringle with it open
  --check-config  print the stored sets, rings and slots as Ringle reads them
  --demo-wheel    open the wheel on the stored configuration and print the chosen slot
  --backend=x11|wayland  use this desktop backend (also RINGLE_BACKEND); by default Wayland
                  where the compositor offers what Ringle needs, else X11 (XWayland)
  -h, --help      print this help and exit
  -v, --version   print the version and exit

Commands:
  config          read and change the stored settings; see &quot;ringle config --help&quot;
  doctor          say what works on this desktop and what to do about the rest
  wheel press     open the running Ringle&apos;s wheel at the pointer (bind it to a key in
                  compositors Ringle cannot bind keys in)
  wheel release   close the wheel and run the chosen slot (bind it to the key&apos;s release)
  wheel toggle    open the wheel, or close it and run the chosen slot, for compositors that
                  bind no key releases; a click on the wheel chooses too

Files:
  $XDG_CONFIG_HOME/Ringle/defaults.json  the settings (~/.config by default)
  $XDG_CONFIG_HOME/autostart/%1.desktop  present while Ringle starts at login

Exit status:
  0  success
  1  Ringle could not start (for example, no display), or doctor found something missing
  2  wrong usage

Ringle runs on Wayland (KDE Plasma, sway and other wlroots compositors) and on X11.
</source>
        <translation>Aufruf: ringle [--backend=x11|wayland] [OPTION]
  oder: ringle config BEFEHL [ARGUMENT...]
  oder: ringle doctor
  oder: ringle wheel press|release|toggle
Ein systemweites Aktionsrad für den markierten Text. Ohne Option startet Ringle im Infobereich; läuft es bereits, sagt es das und lässt es dabei.

Halten Sie Strg+Alt+H oder Strg+Alt und die rechte Maustaste gedrückt, und am Mauszeiger öffnet sich ein Ring aus Feldern: Bewegen Sie die Maus zu einem Feld und lassen Sie los, um es auszuführen (die Auswahl mit einem lokalen Modellserver korrigieren, umformulieren oder übersetzen, eine Tastenkombination senden, eine Anwendung oder Adresse öffnen); lassen Sie in der Mitte los, um abzubrechen.

Optionen:
  --settings      das Einstellungsfenster des laufenden Ringle öffnen oder Ringle damit starten
  --check-config  die gespeicherten Sets, Ringe und Felder so ausgeben, wie Ringle sie liest
  --demo-wheel    das Rad mit der gespeicherten Einrichtung öffnen und das gewählte Feld ausgeben
  --backend=x11|wayland  dieses Backend der Arbeitsumgebung verwenden (auch RINGLE_BACKEND);
                  vorgegeben ist Wayland, wo der Compositor bietet, was Ringle braucht,
                  sonst X11 (XWayland)
  -h, --help      diese Hilfe ausgeben und beenden
  -v, --version   die Version ausgeben und beenden

Befehle:
  config          die gespeicherten Einstellungen lesen und ändern; siehe „ringle config --help“
  doctor          sagen, was in dieser Arbeitsumgebung funktioniert und was beim Rest zu tun ist
  wheel press     das Rad des laufenden Ringle am Mauszeiger öffnen (an eine Taste binden in
                  Compositoren, in denen Ringle keine Tasten binden kann)
  wheel release   das Rad schließen und das gewählte Feld ausführen (an das Loslassen der Taste
                  binden)
  wheel toggle    das Rad öffnen, oder es schließen und das gewählte Feld ausführen, für
                  Compositoren, die kein Loslassen von Tasten binden; ein Klick auf das Rad
                  wählt auch

Dateien:
  $XDG_CONFIG_HOME/Ringle/defaults.json  die Einstellungen (standardmäßig ~/.config)
  $XDG_CONFIG_HOME/autostart/%1.desktop  vorhanden, solange Ringle bei der Anmeldung startet

Rückgabewert:
  0  Erfolg
  1  Ringle konnte nicht starten (zum Beispiel ohne Anzeige), oder doctor hat etwas Fehlendes gefunden
  2  falscher Aufruf

Ringle läuft unter Wayland (KDE Plasma, sway und andere wlroots-Compositoren) und unter X11.
</translation>
    </message>
    <message>
        <source>ringle %1
Copyright the Ringle developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>ringle %1
Copyright die Ringle-Entwickler.
Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
    <message>
        <source>Ringle is not running.
</source>
        <translation>Ringle läuft nicht.
</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>Sets: %1</source>
        <translation>Sets: %1</translation>
    </message>
    <message>
        <source>apps: %1</source>
        <translation>Anwendungen: %1</translation>
    </message>
    <message>
        <source>sites: %1</source>
        <translation>Websites: %1</translation>
    </message>
    <message>
        <source> (read-only text)</source>
        <translation> (nicht bearbeitbarer Text)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Custom key combinations: %1</source>
        <translation>Eigene Tastenkombinationen: %1</translation>
    </message>
    <message>
        <source>Custom prompts: %1</source>
        <translation>Eigene Prompts: %1</translation>
    </message>
    <message>
        <source>Kept unreadable data under &quot;%1&quot;</source>
        <translation>Unlesbare Daten unter „%1“ aufbewahrt</translation>
    </message>
</context>
<context>
    <name>ConfigCommand</name>
    <message>
        <source>  export FILE     write the sets, key combinations and prompts to FILE (- for standard output)
  import FILE     check FILE (- for standard input) and say what importing it would do;
                  with --merge, add its sets, key combinations and prompts to yours (those
                  whose ids yours already use get new ones); with --replace, put them in
                  place of yours. Either way, your configuration is first kept in
                  defaults-backup-DATE-TIME.json next to the settings file.
</source>
        <translation>  export DATEI    die Sets, Tastenkombinationen und Prompts in DATEI schreiben (- für die
                  Standardausgabe)
  import DATEI    DATEI (- für die Standardeingabe) prüfen und sagen, was ein Import täte;
                  mit --merge ihre Sets, Tastenkombinationen und Prompts zu Ihren hinzufügen
                  (die, deren IDs Ihre schon verwenden, bekommen neue); mit --replace Ihre
                  durch sie ersetzen. In beiden Fällen wird Ihre Konfiguration zuerst in
                  defaults-backup-DATUM-UHRZEIT.json neben der Einstellungsdatei aufbewahrt.
</translation>
    </message>
    <message>
        <source>     export, import: a file could not be written
</source>
        <translation>     export, import: eine Datei konnte nicht geschrieben werden
</translation>
    </message>
    <message>
        <source>     import: the file is refused, or neither --merge nor --replace was given
</source>
        <translation>     import: die Datei wird abgelehnt, oder weder --merge noch --replace wurde angegeben
</translation>
    </message>
    <message>
        <source>Usage: ringle config list
  or:  ringle config get KEY
  or:  ringle config set KEY VALUE
  or:  ringle config unset KEY
  or:  ringle config start-at-login [on|off]
  or:  ringle config export FILE
  or:  ringle config import FILE [--merge|--replace]
</source>
        <translation>Aufruf: ringle config list
  oder: ringle config get SCHLÜSSEL
  oder: ringle config set SCHLÜSSEL WERT
  oder: ringle config unset SCHLÜSSEL
  oder: ringle config start-at-login [on|off]
  oder: ringle config export DATEI
  oder: ringle config import DATEI [--merge|--replace]
</translation>
    </message>
    <message>
        <source>Reads and changes Ringle&apos;s stored settings, typed and checked as Ringle reads them; a running Ringle takes a change up at once. No display is needed.

Commands:
  list            print every key with its value, or the default it falls back to
  get KEY         print the value stored under KEY (JSON settings as JSON text)
  set KEY VALUE   store VALUE under KEY after checking it
  unset KEY       remove KEY, so Ringle uses its default
  start-at-login  print on or off; with on or off, add or remove the autostart entry
</source>
        <translation>Liest und ändert die gespeicherten Einstellungen von Ringle, mit den Typen und Prüfungen, mit denen Ringle sie liest; ein laufendes Ringle übernimmt eine Änderung sofort. Eine Anzeige ist nicht nötig.

Befehle:
  list            jeden Schlüssel mit seinem Wert ausgeben, oder mit dem Standardwert, der sonst gilt
  get SCHLÜSSEL   den unter SCHLÜSSEL gespeicherten Wert ausgeben (JSON-Einstellungen als JSON-Text)
  set SCHLÜSSEL WERT
                  WERT nach der Prüfung unter SCHLÜSSEL speichern
  unset SCHLÜSSEL
                  SCHLÜSSEL entfernen, sodass Ringle seinen Standardwert verwendet
  start-at-login  on oder off ausgeben; mit on oder off den Autostart-Eintrag anlegen oder entfernen
</translation>
    </message>
    <message>
        <source>Keys:
</source>
        <translation>Schlüssel:
</translation>
    </message>
    <message>
        <source>, default %1</source>
        <translation>, Standard %1</translation>
    </message>
    <message>
        <source>; one of %1</source>
        <translation>; eines von %1</translation>
    </message>
    <message>
        <source>Exit status:
  0  success
  1  get: the key is not set; set, unset, start-at-login: the change could not be saved
</source>
        <translation>Rückgabewert:
  0  Erfolg
  1  get: der Schlüssel ist nicht gesetzt; set, unset, start-at-login: die Änderung konnte nicht gespeichert werden
</translation>
    </message>
    <message>
        <source>  2  wrong usage, an unknown key or a value the key does not take
</source>
        <translation>  2  falscher Aufruf, ein unbekannter Schlüssel oder ein Wert, den der Schlüssel nicht annimmt
</translation>
    </message>
    <message>
        <source>Examples:
</source>
        <translation>Beispiele:
</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;. Known keys: %2</source>
        <translation>Unbekannter Schlüssel „%1“. Bekannte Schlüssel: %2</translation>
    </message>
    <message>
        <source>Note: %1 holds a %2, not a %3; Ringle ignores it and uses the default (%4).</source>
        <translation>Hinweis: %1 enthält einen Wert vom Typ %2, nicht %3; Ringle übergeht ihn und verwendet den Standardwert (%4).</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>(a %1, ignored: not a %2)</source>
        <translation>(Typ %1, übergangen: nicht %2)</translation>
    </message>
    <message>
        <source>(not set; default: %1)</source>
        <translation>(nicht gesetzt; Standard: %1)</translation>
    </message>
    <message>
        <source>%1 is not set; Ringle uses the default (%2).</source>
        <translation>%1 ist nicht gesetzt; Ringle verwendet den Standardwert (%2).</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>The file has no &quot;%1&quot; list.</source>
        <translation>Die Datei hat keine Liste „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the file is not a list.</source>
        <translation>„%1“ ist in der Datei keine Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the file cannot be read: %2</source>
        <translation>„%1“ in der Datei kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file is not a Ringle configuration file: its &quot;format&quot; is not &quot;ringle-config&quot;.</source>
        <translation>Die Datei ist keine Ringle-Konfigurationsdatei: Ihr „format“ ist nicht „ringle-config“.</translation>
    </message>
    <message>
        <source>The file has no valid format version.</source>
        <translation>Die Datei hat keine gültige Formatversion.</translation>
    </message>
    <message>
        <source>This file comes from a newer version of Ringle (format version %1); update Ringle to import it.</source>
        <translation>Diese Datei stammt von einer neueren Version von Ringle (Formatversion %1); aktualisieren Sie Ringle, um sie zu importieren.</translation>
    </message>
    <message>
        <source>The file is not a Ringle configuration file: it is not valid JSON (%1 at character %2).</source>
        <translation>Die Datei ist keine Ringle-Konfigurationsdatei: Sie ist kein gültiges JSON (%1 bei Zeichen %2).</translation>
    </message>
    <message>
        <source>The file is not a Ringle configuration file: it does not hold a JSON object.</source>
        <translation>Die Datei ist keine Ringle-Konfigurationsdatei: Sie enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The sets in the file go beyond what Ringle keeps: %1</source>
        <translation>Die Sets in der Datei gehen über das hinaus, was Ringle aufnimmt: %1</translation>
    </message>
    <message>
        <source>Two sets in the file have the same id %1.</source>
        <translation>Zwei Sets in der Datei haben dieselbe ID %1.</translation>
    </message>
    <message>
        <source>Two rings in the file have the same id %1.</source>
        <translation>Zwei Ringe in der Datei haben dieselbe ID %1.</translation>
    </message>
    <message>
        <source>Two key combinations in the file have the same id %1.</source>
        <translation>Zwei Tastenkombinationen in der Datei haben dieselbe ID %1.</translation>
    </message>
    <message>
        <source>Two prompts in the file have the same id %1.</source>
        <translation>Zwei Prompts in der Datei haben dieselbe ID %1.</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>The standard input holds more than %1 MiB, so it is not a Ringle configuration file.</source>
        <translation>Die Standardeingabe enthält mehr als %1 MiB, also ist sie keine Ringle-Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, so it is not a Ringle configuration file.</source>
        <translation>%1 ist größer als %2 MiB, also ist es keine Ringle-Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>Could not read the standard input: %1.</source>
        <translation>Die Standardeingabe konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
</context>
<context>
    <name>ConfigImport</name>
    <message>
        <source>Ringle keeps no settings file to put a backup next to, so nothing was imported.</source>
        <translation>Ringle hat keine Einstellungsdatei, neben der eine Sicherung liegen könnte, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Could not write the backup %1, so nothing was imported: %2.</source>
        <translation>Die Sicherung %1 konnte nicht geschrieben werden, daher wurde nichts importiert: %2.</translation>
    </message>
</context>
<context>
    <name>ConfigImportPlan</name>
    <message>
        <source>Merging would give %1 sets, and Ringle keeps at most %2.</source>
        <translation>Zusammenführen ergäbe %1 Sets, Ringle nimmt aber höchstens %2 auf.</translation>
    </message>
    <message>
        <source>The file holds no sets, so it cannot take the place of yours.</source>
        <translation>Die Datei enthält keine Sets, daher kann sie Ihre nicht ersetzen.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a key combination that is neither in the file nor in your configuration.</source>
        <translation>Feld %1 des Rings „%2“ im Set „%3“ verweist auf eine Tastenkombination, die weder in der Datei noch in Ihrer Konfiguration ist.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a prompt that is neither in the file nor in your configuration.</source>
        <translation>Feld %1 des Rings „%2“ im Set „%3“ verweist auf einen Prompt, der weder in der Datei noch in Ihrer Konfiguration ist.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a key combination that is not in the file.</source>
        <translation>Feld %1 des Rings „%2“ im Set „%3“ verweist auf eine Tastenkombination, die nicht in der Datei ist.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a prompt that is not in the file.</source>
        <translation>Feld %1 des Rings „%2“ im Set „%3“ verweist auf einen Prompt, der nicht in der Datei ist.</translation>
    </message>
</context>
<context>
    <name>ConfigTransferCommand</name>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file holds %1.</source>
        <translation>Die Datei enthält %1.</translation>
    </message>
    <message>
        <source>Add --merge or --replace to import.</source>
        <translation>Geben Sie --merge oder --replace an, um zu importieren.</translation>
    </message>
</context>
<context>
    <name>ConfigTransferDialogs</name>
    <message>
        <source>Export the Wheel Configuration</source>
        <translation>Rad-Konfiguration exportieren</translation>
    </message>
    <message>
        <source>Import a Wheel Configuration</source>
        <translation>Rad-Konfiguration importieren</translation>
    </message>
    <message>
        <source>Ringle configurations (*.json);;All files (*)</source>
        <translation>Ringle-Konfigurationen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>Nicht exportiert</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>Not Imported</source>
        <translation>Nicht importiert</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importiert</translation>
    </message>
</context>
<context>
    <name>ConfigTransferTexts</name>
    <message numerus="yes">
        <source>%n set</source>
        <translation>
            <numerusform>%n Set</numerusform>
            <numerusform>%n Sets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sets</source>
        <translation>
            <numerusform>%n Set</numerusform>
            <numerusform>%n Sets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n key combination</source>
        <translation>
            <numerusform>%n Tastenkombination</numerusform>
            <numerusform>%n Tastenkombinationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n key combinations</source>
        <translation>
            <numerusform>%n Tastenkombination</numerusform>
            <numerusform>%n Tastenkombinationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n prompt</source>
        <translation>
            <numerusform>%n Prompt</numerusform>
            <numerusform>%n Prompts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n prompts</source>
        <translation>
            <numerusform>%n Prompt</numerusform>
            <numerusform>%n Prompts</numerusform>
        </translation>
    </message>
    <message>
        <source>and 1 more</source>
        <translation>und 1 weiteres</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>Import %1?</source>
        <translation>%1 importieren?</translation>
    </message>
    <message>
        <source>Sets: %1.</source>
        <translation>Sets: %1.</translation>
    </message>
    <message>
        <source>Key combinations: %1.</source>
        <translation>Tastenkombinationen: %1.</translation>
    </message>
    <message>
        <source>Prompts: %1.</source>
        <translation>Prompts: %1.</translation>
    </message>
    <message>
        <source>%1 adds them to your %2.</source>
        <translation>%1 fügt sie zu Ihren %2 hinzu.</translation>
    </message>
    <message>
        <source>One of them gets a new id because your configuration already uses its id.</source>
        <translation>Eines davon bekommt eine neue ID, weil Ihre Konfiguration seine ID schon verwendet.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them get new ids because your configuration already uses their ids.</source>
        <translation>
            <numerusform>%n davon bekommt eine neue ID, weil Ihre Konfiguration ihre ID schon verwendet.</numerusform>
            <numerusform>%n davon bekommen neue IDs, weil Ihre Konfiguration ihre IDs schon verwendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>These apps and websites stay with the sets of yours they belong to: %1.</source>
        <translation>Diese Anwendungen und Websites bleiben bei Ihren Sets, zu denen sie gehören: %1.</translation>
    </message>
    <message>
        <source>%1 is not possible: %2</source>
        <translation>%1 ist nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1 puts them in place of your %2.</source>
        <translation>%1 setzt sie an die Stelle Ihrer %2.</translation>
    </message>
    <message>
        <source>Added %1 to your configuration.</source>
        <translation>%1 zu Ihrer Konfiguration hinzugefügt.</translation>
    </message>
    <message>
        <source>Replaced your configuration with %1.</source>
        <translation>Ihre Konfiguration durch %1 ersetzt.</translation>
    </message>
    <message>
        <source>Your previous configuration is kept in %1.</source>
        <translation>Ihre bisherige Konfiguration ist in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>CustomPrompt</name>
    <message>
        <source>Untitled Prompt</source>
        <translation>Unbenannter Prompt</translation>
    </message>
</context>
<context>
    <name>DesktopBackend</name>
    <message>
        <source>the X11 display could not be used</source>
        <translation>die X11-Anzeige konnte nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>DesktopCapability</name>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Mouse trigger</source>
        <translation>Maus-Auslöser</translation>
    </message>
    <message>
        <source>Wheel and panels</source>
        <translation>Rad und Fenster</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Keystrokes</source>
        <translation>Tastendrücke</translation>
    </message>
    <message>
        <source>App in front</source>
        <translation>Vordere Anwendung</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>Model server</source>
        <translation>Modellserver</translation>
    </message>
</context>
<context>
    <name>DesktopCheck</name>
    <message>
        <source>the on-device model is chosen, and Linux has none</source>
        <translation>das Modell auf dem Gerät ist gewählt, und Linux hat keines</translation>
    </message>
    <message>
        <source>Choose a model server under Settings → General → Model.</source>
        <translation>Wählen Sie einen Modellserver unter Einstellungen → Allgemein → Modell.</translation>
    </message>
    <message numerus="yes">
        <source>%1 answers, but the chosen model is not one of its %n models</source>
        <translation>
            <numerusform>%1 antwortet, hat aber nur %n Modell, und das gewählte ist es nicht</numerusform>
            <numerusform>%1 antwortet, aber das gewählte Modell ist keines seiner %n Modelle</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose one of its models under Settings → General → Model.</source>
        <translation>Wählen Sie eines seiner Modelle unter Einstellungen → Allgemein → Modell.</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 mit %2</translation>
    </message>
    <message>
        <source>Start the model server, or choose another under Settings → General → Model.</source>
        <translation>Starten Sie den Modellserver oder wählen Sie einen anderen unter Einstellungen → Allgemein → Modell.</translation>
    </message>
    <message>
        <source>the accessibility bus answers</source>
        <translation>der Barrierefreiheits-Bus antwortet</translation>
    </message>
    <message>
        <source>the selection and the caret cannot be read</source>
        <translation>die Auswahl und die Schreibmarke können nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Ringle on %1:
</source>
        <translation>Ringle unter %1:
</translation>
    </message>
    <message>
        <source>works</source>
        <translation>funktioniert</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>to do: %1</source>
        <translation>zu tun: %1</translation>
    </message>
    <message>
        <source>The wheel, the clipboard and the keys work here.
</source>
        <translation>Das Rad, die Zwischenablage und die Tasten funktionieren hier.
</translation>
    </message>
    <message>
        <source>Something Ringle needs does not work here; see above.
</source>
        <translation>Etwas, das Ringle braucht, funktioniert hier nicht; siehe oben.
</translation>
    </message>
    <message>
        <source>Ringle cannot start: %1.
</source>
        <translation>Ringle kann nicht starten: %1.
</translation>
    </message>
</context>
<context>
    <name>FakeInputKeyboard</name>
    <message>
        <source>Ringle copies the selected text and pastes the result with Ctrl+C and Ctrl+V, and sends your key combinations.</source>
        <translation>Ringle kopiert den markierten Text und fügt das Ergebnis mit Strg+C und Strg+V ein, und es sendet Ihre Tastenkombinationen.</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Start Ringle at login</source>
        <translation>Ringle bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Ringle</source>
        <translation>Ringle</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Use the set for the current app or website</source>
        <translation>Das Set der aktuellen Anwendung oder Website verwenden</translation>
    </message>
    <message>
        <source>Action Wheel</source>
        <translation>Aktionsrad</translation>
    </message>
    <message>
        <source>Show the result before replacing the text</source>
        <translation>Das Ergebnis vor dem Ersetzen des Textes zeigen</translation>
    </message>
    <message>
        <source>Proofread, Rewrite and Translate show the result next to the cursor, with Copy and Replace. Turn this off to replace the text right away.</source>
        <translation>Korrekturlesen, Umformulieren und Übersetzen zeigen das Ergebnis neben der Schreibmarke, mit Kopieren und Ersetzen. Schalten Sie dies aus, um den Text sofort zu ersetzen.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Translate to</source>
        <translation>Zielsprache</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modell auf dem Gerät</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Running and turned on</source>
        <translation>Läuft und ist eingeschaltet</translation>
    </message>
    <message>
        <source>Running, but turned off: some apps do not share their text</source>
        <translation>Läuft, ist aber ausgeschaltet: Manche Anwendungen geben ihren Text nicht weiter</translation>
    </message>
    <message>
        <source>Not running: install at-spi2-core and log in again</source>
        <translation>Läuft nicht: Installieren Sie at-spi2-core und melden Sie sich erneut an</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Set Shortcut</source>
        <translation>Tastenkürzel festlegen</translation>
    </message>
    <message>
        <source>Press keys…</source>
        <translation>Tasten drücken…</translation>
    </message>
    <message>
        <source>The menu item “%1” already uses this shortcut.</source>
        <translation>Der Menüeintrag „%1“ verwendet dieses Tastenkürzel bereits.</translation>
    </message>
    <message>
        <source>Another application or your desktop already uses this shortcut.</source>
        <translation>Eine andere Anwendung oder Ihre Arbeitsumgebung verwendet dieses Tastenkürzel bereits.</translation>
    </message>
    <message>
        <source>Desktop shortcuts can be changed in your desktop&apos;s keyboard settings.</source>
        <translation>Tastenkürzel der Arbeitsumgebung lassen sich in deren Tastatureinstellungen ändern.</translation>
    </message>
    <message>
        <source>This shortcut cannot be used.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Trotzdem verwenden</translation>
    </message>
    <message>
        <source>Fn</source>
        <translation>Fn</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Num 0</source>
        <translation>Num 0</translation>
    </message>
    <message>
        <source>Num 1</source>
        <translation>Num 1</translation>
    </message>
    <message>
        <source>Num 2</source>
        <translation>Num 2</translation>
    </message>
    <message>
        <source>Num 3</source>
        <translation>Num 3</translation>
    </message>
    <message>
        <source>Num 4</source>
        <translation>Num 4</translation>
    </message>
    <message>
        <source>Num 5</source>
        <translation>Num 5</translation>
    </message>
    <message>
        <source>Num 6</source>
        <translation>Num 6</translation>
    </message>
    <message>
        <source>Num 7</source>
        <translation>Num 7</translation>
    </message>
    <message>
        <source>Num 8</source>
        <translation>Num 8</translation>
    </message>
    <message>
        <source>Num 9</source>
        <translation>Num 9</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Num .</source>
        <translation>Num .</translation>
    </message>
    <message>
        <source>Num /</source>
        <translation>Num /</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Num Eingabe</translation>
    </message>
    <message>
        <source>Num =</source>
        <translation>Num =</translation>
    </message>
    <message>
        <source>Num -</source>
        <translation>Num -</translation>
    </message>
    <message>
        <source>Num *</source>
        <translation>Num *</translation>
    </message>
    <message>
        <source>Num +</source>
        <translation>Num +</translation>
    </message>
</context>
<context>
    <name>HttpStatus</name>
    <message>
        <source>continue</source>
        <translation>weiter</translation>
    </message>
    <message>
        <source>switching protocols</source>
        <translation>Protokollwechsel</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>created</source>
        <translation>erstellt</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>non-authoritative information</source>
        <translation>nicht maßgebliche Information</translation>
    </message>
    <message>
        <source>no content</source>
        <translation>kein Inhalt</translation>
    </message>
    <message>
        <source>reset content</source>
        <translation>Inhalt zurücksetzen</translation>
    </message>
    <message>
        <source>partial content</source>
        <translation>Teilinhalt</translation>
    </message>
    <message>
        <source>multiple choices</source>
        <translation>mehrere Möglichkeiten</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>dauerhaft verschoben</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>see other</source>
        <translation>siehe andere Adresse</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>nicht geändert</translation>
    </message>
    <message>
        <source>temporary redirect</source>
        <translation>vorübergehende Umleitung</translation>
    </message>
    <message>
        <source>permanent redirect</source>
        <translation>dauerhafte Umleitung</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>fehlerhafte Anfrage</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>nicht angemeldet</translation>
    </message>
    <message>
        <source>payment required</source>
        <translation>Zahlung erforderlich</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>verboten</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>Methode nicht erlaubt</translation>
    </message>
    <message>
        <source>unacceptable</source>
        <translation>nicht annehmbar</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>Zeitüberschreitung der Anfrage</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>existiert nicht mehr</translation>
    </message>
    <message>
        <source>length required</source>
        <translation>Länge erforderlich</translation>
    </message>
    <message>
        <source>request too large</source>
        <translation>Anfrage zu groß</translation>
    </message>
    <message>
        <source>requested URL too long</source>
        <translation>angefragte Adresse zu lang</translation>
    </message>
    <message>
        <source>unsupported media type</source>
        <translation>nicht unterstützter Medientyp</translation>
    </message>
    <message>
        <source>unprocessable content</source>
        <translation>nicht verarbeitbarer Inhalt</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>zu viele Anfragen</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>interner Serverfehler</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>nicht umgesetzt</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>fehlerhaftes Gateway</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>Dienst nicht verfügbar</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>Zeitüberschreitung des Gateways</translation>
    </message>
    <message>
        <source>unsupported version</source>
        <translation>nicht unterstützte Version</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>umgeleitet</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>Fehler des Clients</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>Fehler des Servers</translation>
    </message>
</context>
<context>
    <name>JsonFields</name>
    <message>
        <source>a custom key combination</source>
        <translation>eine eigene Tastenkombination</translation>
    </message>
    <message>
        <source>a custom prompt</source>
        <translation>einen eigenen Prompt</translation>
    </message>
    <message>
        <source>Unknown result mode &quot;%1&quot;.</source>
        <translation>Unbekannte Ergebnisart „%1“.</translation>
    </message>
    <message>
        <source>Value of &quot;%1&quot; is not %2.</source>
        <translation>Der Wert von „%1“ ist nicht vom Typ %2.</translation>
    </message>
    <message>
        <source>Expected an object for %1.</source>
        <translation>Erwartet wurde ein Objekt für %1.</translation>
    </message>
    <message>
        <source>No value for key &quot;%1&quot;.</source>
        <translation>Kein Wert für den Schlüssel „%1“.</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>Zeichenkette</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>Wahrheitswert</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>an array of strings</source>
        <translation>Liste von Zeichenketten</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>an integer in range</source>
        <translation>ganze Zahl im gültigen Bereich</translation>
    </message>
    <message>
        <source>a UUID</source>
        <translation>UUID</translation>
    </message>
    <message>
        <source>Invalid JSON: %1.</source>
        <translation>Ungültiges JSON: %1.</translation>
    </message>
    <message>
        <source>Expected an array.</source>
        <translation>Erwartet wurde eine Liste.</translation>
    </message>
    <message>
        <source>a key combination</source>
        <translation>eine Tastenkombination</translation>
    </message>
    <message>
        <source>a ring</source>
        <translation>einen Ring</translation>
    </message>
    <message>
        <source>a slot</source>
        <translation>ein Feld</translation>
    </message>
    <message>
        <source>Invalid number of keys found, expected one.</source>
        <translation>Ungültige Anzahl von Schlüsseln, erwartet wurde einer.</translation>
    </message>
    <message>
        <source>Unknown target language &quot;%1&quot;.</source>
        <translation>Unbekannte Zielsprache „%1“.</translation>
    </message>
    <message>
        <source>Invalid slot.</source>
        <translation>Ungültiges Feld.</translation>
    </message>
    <message>
        <source>a set</source>
        <translation>ein Set</translation>
    </message>
</context>
<context>
    <name>KGlobalAccelBinder</name>
    <message>
        <source>Open the Action Wheel</source>
        <translation>Das Aktionsrad öffnen</translation>
    </message>
    <message>
        <source>Open the Action Wheel (%1)</source>
        <translation>Das Aktionsrad öffnen (%1)</translation>
    </message>
</context>
<context>
    <name>KeyCombo</name>
    <message>
        <source>Paste and Match</source>
        <translation>Angepasst einfügen</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Capture Area</source>
        <translation>Bereichsfoto</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Desktop Left</source>
        <translation>Arbeitsfläche links</translation>
    </message>
    <message>
        <source>Desktop Right</source>
        <translation>Arbeitsfläche rechts</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Paste and Match Style</source>
        <translation>Einfügen und Stil anpassen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Formatierung</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Screenshot: Entire Screen</source>
        <translation>Bildschirmfoto: ganzer Bildschirm</translation>
    </message>
    <message>
        <source>Screenshot: Selection</source>
        <translation>Bildschirmfoto: Auswahl</translation>
    </message>
    <message>
        <source>Screenshot Tool</source>
        <translation>Bildschirmfoto-Werkzeug</translation>
    </message>
    <message>
        <source>Windows and Apps</source>
        <translation>Fenster und Anwendungen</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Neuer Tab</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>Anwendung ausblenden</translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Sofort beenden</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji und Symbole</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Desktop to the Left</source>
        <translation>Arbeitsfläche nach links</translation>
    </message>
    <message>
        <source>Desktop to the Right</source>
        <translation>Arbeitsfläche nach rechts</translation>
    </message>
    <message>
        <source>Screenshot: Window</source>
        <translation>Bildschirmfoto: Fenster</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Arbeitsfläche anzeigen</translation>
    </message>
    <message>
        <source>Application Launcher</source>
        <translation>Anwendungsstarter</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Switch Windows</source>
        <translation>Fenster wechseln</translation>
    </message>
</context>
<context>
    <name>KeyComboRecordBox</name>
    <message>
        <source>Click, then press the keys</source>
        <translation>Klicken, dann die Tasten drücken</translation>
    </message>
    <message>
        <source>Press the keys…</source>
        <translation>Drücken Sie die Tasten…</translation>
    </message>
    <message>
        <source>Click to record</source>
        <translation>Zum Aufnehmen klicken</translation>
    </message>
</context>
<context>
    <name>KeyComboSheet</name>
    <message>
        <source>Edit Key Combo</source>
        <translation>Tastenkombination bearbeiten</translation>
    </message>
    <message>
        <source>New Key Combo</source>
        <translation>Neue Tastenkombination</translation>
    </message>
    <message>
        <source>Shown in the wheel, e.g. Match Style</source>
        <translation>Im Rad gezeigt, z. B. Stil anpassen</translation>
    </message>
    <message>
        <source>Click the box to record a new combo. Single keys like S work too. Your desktop catches some of its own shortcuts, such as screenshots or switching windows, before Ringle sees them. Pick those from Key Combos → Default Key Combos in a slot instead.</source>
        <translation>Klicken Sie in das Feld, um eine neue Kombination aufzunehmen. Einzelne Tasten wie S gehen auch. Ihre Arbeitsumgebung fängt manche ihrer eigenen Tastenkürzel ab, etwa Bildschirmfotos oder den Fensterwechsel, bevor Ringle sie sieht. Wählen Sie diese stattdessen in einem Feld unter Tastenkombinationen → Vorgegebene Tastenkombinationen.</translation>
    </message>
</context>
<context>
    <name>KeyModifiers</name>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
</context>
<context>
    <name>LanguageNames</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, e.g. &quot;de&quot; or &quot;zh-Hans&quot;. Do not translate it word by word.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Ringle cannot start: %1.</source>
        <translation>Ringle kann nicht starten: %1.</translation>
    </message>
    <message>
        <source>Ringle quits: %1.</source>
        <translation>Ringle wird beendet: %1.</translation>
    </message>
    <message>
        <source>Ringle is already running.
</source>
        <translation>Ringle läuft bereits.
</translation>
    </message>
</context>
<context>
    <name>LocalModelClient</name>
    <message>
        <source>the server&apos;s answer could not be read (%1)</source>
        <translation>die Antwort des Servers konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>die Antwort ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not HTTP</source>
        <translation>die Antwort des Servers ist kein HTTP</translation>
    </message>
    <message>
        <source>the local model server</source>
        <translation>der lokale Modellserver</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&quot;choices&quot; is missing</source>
        <translation>„choices“ fehlt</translation>
    </message>
    <message>
        <source>a choice has no message</source>
        <translation>eine Auswahl hat keine Nachricht</translation>
    </message>
    <message>
        <source>a message&apos;s content is not text</source>
        <translation>der Inhalt einer Nachricht ist kein Text</translation>
    </message>
    <message>
        <source>&quot;data&quot; is missing</source>
        <translation>„data“ fehlt</translation>
    </message>
    <message>
        <source>a model has no id</source>
        <translation>ein Modell hat keine ID</translation>
    </message>
</context>
<context>
    <name>ModelSettingsSection</name>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Modellname</translation>
    </message>
    <message>
        <source>Refresh the list of models</source>
        <translation>Die Modellliste aktualisieren</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>On-device model (not available on Linux)</source>
        <translation>Modell auf dem Gerät (unter Linux nicht verfügbar)</translation>
    </message>
    <message>
        <source>LM Studio</source>
        <translation>LM Studio</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Other (OpenAI-compatible)</source>
        <translation>Anderer (OpenAI-kompatibel)</translation>
    </message>
    <message>
        <source>Linux has no on-device model. LM Studio and Ollama run larger models on this computer, so your text still never leaves it.</source>
        <translation>Linux hat kein Modell auf dem Gerät. LM Studio und Ollama führen größere Modelle auf diesem Rechner aus, Ihr Text verlässt ihn also trotzdem nie.</translation>
    </message>
    <message>
        <source>Start the server in %1 and load a model first. The model is used for every action, including Ask.</source>
        <translation>Starten Sie zuerst den Server in %1 und laden Sie ein Modell. Das Modell wird für jede Aktion verwendet, auch für Fragen.</translation>
    </message>
    <message>
        <source>The server address isn&apos;t valid.</source>
        <translation>Die Serveradresse ist ungültig.</translation>
    </message>
    <message>
        <source>Connected, but no models are available. Load or download a model first.</source>
        <translation>Verbunden, aber keine Modelle verfügbar. Laden oder holen Sie zuerst ein Modell.</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbindung wird hergestellt…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>No models found</source>
        <translation>Keine Modelle gefunden</translation>
    </message>
</context>
<context>
    <name>MutterRemoteDesktop</name>
    <message>
        <source>GNOME Shell did not start a remote desktop session within %1 ms</source>
        <translation>GNOME Shell hat innerhalb von %1 ms keine Fernsitzung gestartet</translation>
    </message>
    <message>
        <source>GNOME Shell&apos;s remote desktop service went away</source>
        <translation>der Fernsitzungsdienst von GNOME Shell ist verschwunden</translation>
    </message>
    <message>
        <source>there is no session bus</source>
        <translation>es gibt keinen Sitzungsbus</translation>
    </message>
    <message>
        <source>GNOME Shell made no remote desktop session: %1</source>
        <translation>GNOME Shell hat keine Fernsitzung angelegt: %1</translation>
    </message>
    <message>
        <source>GNOME Shell did not start the remote desktop session: %1</source>
        <translation>GNOME Shell hat die Fernsitzung nicht gestartet: %1</translation>
    </message>
    <message>
        <source>no remote desktop session with GNOME Shell was asked for yet</source>
        <translation>es wurde noch keine Fernsitzung bei GNOME Shell angefragt</translation>
    </message>
    <message>
        <source>the remote desktop session with GNOME Shell is still starting</source>
        <translation>die Fernsitzung mit GNOME Shell startet noch</translation>
    </message>
    <message>
        <source>GNOME Shell closed the remote desktop session</source>
        <translation>GNOME Shell hat die Fernsitzung geschlossen</translation>
    </message>
</context>
<context>
    <name>OnDeviceModel</name>
    <message>
        <source>Linux has no on-device model; choose Ollama, LM Studio or another local server under Settings → General → Model</source>
        <translation>Linux hat kein Modell auf dem Gerät; wählen Sie Ollama, LM Studio oder einen anderen lokalen Server unter Einstellungen → Allgemein → Modell</translation>
    </message>
</context>
<context>
    <name>PortalShortcutBinder</name>
    <message>
        <source>Open the action wheel</source>
        <translation>Das Aktionsrad öffnen</translation>
    </message>
</context>
<context>
    <name>PromptSheet</name>
    <message>
        <source>Edit Prompt</source>
        <translation>Prompt bearbeiten</translation>
    </message>
    <message>
        <source>New Prompt</source>
        <translation>Neuer Prompt</translation>
    </message>
    <message>
        <source>Replace the text</source>
        <translation>Den Text ersetzen</translation>
    </message>
    <message>
        <source>Show next to the cursor</source>
        <translation>Neben der Schreibmarke zeigen</translation>
    </message>
    <message>
        <source>Keep the language of the text</source>
        <translation>Die Sprache des Textes beibehalten</translation>
    </message>
    <message>
        <source>Shown in the wheel, e.g. Make Formal</source>
        <translation>Im Rad gezeigt, z. B. Förmlicher</translation>
    </message>
    <message>
        <source>e.g. Make it more formal, then shorten it to at most three sentences.</source>
        <translation>z. B. Formuliere es förmlicher und kürze es dann auf höchstens drei Sätze.</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Anweisung</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Turn this off for prompts that should answer in another language, like &quot;translate to German&quot;.</source>
        <translation>Schalten Sie dies für Prompts aus, die in einer anderen Sprache antworten sollen, etwa „ins Englische übersetzen“.</translation>
    </message>
</context>
<context>
    <name>RecordListPage</name>
    <message>
        <source>Show next to the cursor</source>
        <translation>Neben der Schreibmarke zeigen</translation>
    </message>
    <message>
        <source>Replace the text</source>
        <translation>Den Text ersetzen</translation>
    </message>
    <message>
        <source>Key Combos</source>
        <translation>Tastenkombinationen</translation>
    </message>
    <message>
        <source>Add them to a ring: pick a slot, then Key Combos → My Key Combos.</source>
        <translation>Fügen Sie sie einem Ring hinzu: Wählen Sie ein Feld, dann Tastenkombinationen → Meine Tastenkombinationen.</translation>
    </message>
    <message>
        <source>Add Key Combo…</source>
        <translation>Tastenkombination hinzufügen…</translation>
    </message>
    <message>
        <source>No key combos yet</source>
        <translation>Noch keine Tastenkombinationen</translation>
    </message>
    <message>
        <source>Prompts</source>
        <translation>Prompts</translation>
    </message>
    <message>
        <source>Your own instructions for the selected text. Add them to a ring: pick a slot, then Prompts.</source>
        <translation>Ihre eigenen Anweisungen für den markierten Text. Fügen Sie sie einem Ring hinzu: Wählen Sie ein Feld, dann Prompts.</translation>
    </message>
    <message>
        <source>Add Prompt…</source>
        <translation>Prompt hinzufügen…</translation>
    </message>
    <message>
        <source>No prompts yet</source>
        <translation>Noch keine Prompts</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>ResultPanelWindow</name>
    <message>
        <source>Hide Changes</source>
        <translation>Änderungen ausblenden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Show Changes</source>
        <translation>Änderungen zeigen</translation>
    </message>
    <message>
        <source>No changes.</source>
        <translation>Keine Änderungen.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>RingEditor</name>
    <message>
        <source>Use for text you can&apos;t edit</source>
        <translation>Für Text verwenden, der sich nicht bearbeiten lässt</translation>
    </message>
    <message>
        <source>The wheel starts on this ring when the selected text can&apos;t be edited, like text on a web page. Only one ring can have this.</source>
        <translation>Das Rad beginnt mit diesem Ring, wenn sich der markierte Text nicht bearbeiten lässt, etwa Text auf einer Webseite. Nur ein Ring kann das haben.</translation>
    </message>
    <message>
        <source>e.g. Text, Sketch, View</source>
        <translation>z. B. Text, Skizze, Ansicht</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
</context>
<context>
    <name>RingleApp</name>
    <message>
        <source>No model server found. Start Ollama or LM Studio, or choose a server in Settings…</source>
        <translation>Kein Modellserver gefunden. Starten Sie Ollama oder LM Studio, oder wählen Sie einen Server in den Einstellungen…</translation>
    </message>
</context>
<context>
    <name>RingleError</name>
    <message>
        <source>Apple Intelligence is unavailable (%1).</source>
        <translation>Apple Intelligence ist nicht verfügbar (%1).</translation>
    </message>
    <message>
        <source>The text is already in %1.</source>
        <translation>Der Text ist bereits auf %1.</translation>
    </message>
    <message>
        <source>The shortcut failed: %1</source>
        <translation>Der Kurzbefehl ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The response wasn&apos;t in %1, so nothing was replaced.</source>
        <translation>Die Antwort war nicht auf %1, daher wurde nichts ersetzt.</translation>
    </message>
    <message>
        <source>Can&apos;t reach %1. Is it running, with its server started?</source>
        <translation>%1 ist nicht erreichbar. Läuft es, mit gestartetem Server?</translation>
    </message>
    <message>
        <source>The local model failed: %1</source>
        <translation>Das lokale Modell ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>No text selected, or the app doesn&apos;t allow copying.</source>
        <translation>Kein Text markiert, oder die Anwendung erlaubt kein Kopieren.</translation>
    </message>
    <message>
        <source>You switched apps while the AI was working. The result is on the clipboard.</source>
        <translation>Sie haben die Anwendung gewechselt, während die KI arbeitete. Das Ergebnis liegt in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The response didn&apos;t look like a correction, so nothing was replaced.</source>
        <translation>Die Antwort sah nicht nach einer Korrektur aus, daher wurde nichts ersetzt.</translation>
    </message>
    <message>
        <source>The text is too long. Select less text and try again.</source>
        <translation>Der Text ist zu lang. Markieren Sie weniger Text und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Choose a model under Settings → General → Model.</source>
        <translation>Wählen Sie ein Modell unter Einstellungen → Allgemein → Modell.</translation>
    </message>
</context>
<context>
    <name>SetEditor</name>
    <message>
        <source>Used when no other set belongs to the app or website in front.</source>
        <translation>Wird verwendet, wenn kein anderes Set zur Anwendung oder Website im Vordergrund gehört.</translation>
    </message>
    <message>
        <source>e.g. CAD, Mail, Code</source>
        <translation>z. B. CAD, Mail, Code</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>z. B. %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Ringe</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>The wheel shows this set&apos;s rings when one of these apps is in front. An app can only belong to one set.</source>
        <translation>Das Rad zeigt die Ringe dieses Sets, wenn eine dieser Anwendungen im Vordergrund ist. Eine Anwendung kann nur zu einem Set gehören.</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>The wheel shows this set&apos;s rings when Safari, Chrome or another browser in front shows one of these websites, including subdomains. Websites come before apps. A website can only belong to one set.</source>
        <translation>Das Rad zeigt die Ringe dieses Sets, wenn Safari, Chrome oder ein anderer Browser im Vordergrund eine dieser Websites zeigt, Subdomains eingeschlossen. Websites gehen vor Anwendungen. Eine Website kann nur zu einem Set gehören.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Remove app</source>
        <translation>Anwendung entfernen</translation>
    </message>
    <message>
        <source>Remove website</source>
        <translation>Website entfernen</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
</context>
<context>
    <name>SettingKey</name>
    <message>
        <source>%1 takes an address such as http://127.0.0.1:11434, or nothing for the provider&apos;s usual one; &quot;%2&quot; has no host.</source>
        <translation>%1 nimmt eine Adresse wie http://127.0.0.1:11434 oder nichts für die übliche des Anbieters; „%2“ hat keinen Host.</translation>
    </message>
    <message>
        <source>%1 takes false (no shortcut) or JSON such as %2, not &quot;%3&quot;.</source>
        <translation>%1 nimmt false (kein Tastenkürzel) oder JSON wie %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>%1 takes false (no shortcut) or JSON such as %2: %3</source>
        <translation>%1 nimmt false (kein Tastenkürzel) oder JSON wie %2: %3</translation>
    </message>
    <message>
        <source>%1 takes true or false, not &quot;%2&quot;.</source>
        <translation>%1 nimmt true oder false, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 takes one of %2, not &quot;%3&quot;.</source>
        <translation>%1 nimmt einen der Werte %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>%1 is not valid: %2</source>
        <translation>%1 ist ungültig: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to 15 (control 1, option 2, shift 4, command 8, added up), not &quot;%2&quot;.</source>
        <translation>%1 nimmt eine ganze Zahl von 0 bis 15 (Strg 1, Alt 2, Umschalt 4, Super 8, zusammengezählt), nicht „%2“.</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Action Wheel</source>
        <translation>Aktionsrad</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>ShellExtension</name>
    <message>
        <source>Ringle&apos;s GNOME Shell extension is not enabled</source>
        <translation>die GNOME-Shell-Erweiterung von Ringle ist nicht aktiviert</translation>
    </message>
    <message>
        <source>it did not answer</source>
        <translation>sie hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Ringle&apos;s GNOME Shell extension refused Ringle: %1</source>
        <translation>die GNOME-Shell-Erweiterung von Ringle hat Ringle abgewiesen: %1</translation>
    </message>
</context>
<context>
    <name>ShortcutsCLI</name>
    <message>
        <source>All Shortcuts</source>
        <translation>Alle Kurzbefehle</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder %1: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>its output is larger than %1 MB.</source>
        <translation>seine Ausgabe ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Couldn&apos;t start %1: %2.</source>
        <translation>%1 konnte nicht gestartet werden: %2.</translation>
    </message>
</context>
<context>
    <name>SlotDispatcher</name>
    <message>
        <source>Translating to %1…</source>
        <translation>Übersetzen auf %1…</translation>
    </message>
    <message>
        <source>Couldn&apos;t find the app.</source>
        <translation>Die Anwendung wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Running %1…</source>
        <translation>%1 läuft…</translation>
    </message>
</context>
<context>
    <name>SlotMenu</name>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Website…</source>
        <translation>Website…</translation>
    </message>
    <message>
        <source>Translate to</source>
        <translation>Übersetzen auf</translation>
    </message>
    <message>
        <source>Prompts</source>
        <translation>Prompts</translation>
    </message>
    <message>
        <source>No prompts yet</source>
        <translation>Noch keine Prompts</translation>
    </message>
    <message>
        <source>New Prompt…</source>
        <translation>Neuer Prompt…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kurzbefehle</translation>
    </message>
    <message>
        <source>Loading shortcuts…</source>
        <translation>Kurzbefehle werden geladen…</translation>
    </message>
    <message>
        <source>No shortcuts found</source>
        <translation>Keine Kurzbefehle gefunden</translation>
    </message>
    <message>
        <source>Key Combos</source>
        <translation>Tastenkombinationen</translation>
    </message>
    <message>
        <source>My Key Combos</source>
        <translation>Meine Tastenkombinationen</translation>
    </message>
    <message>
        <source>No key combos yet</source>
        <translation>Noch keine Tastenkombinationen</translation>
    </message>
    <message>
        <source>New Key Combo…</source>
        <translation>Neue Tastenkombination…</translation>
    </message>
    <message>
        <source>Default Key Combos</source>
        <translation>Vorgegebene Tastenkombinationen</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
</context>
<context>
    <name>SymbolButton</name>
    <message>
        <source>Choose a symbol</source>
        <translation>Ein Symbol wählen</translation>
    </message>
</context>
<context>
    <name>SymbolCatalog</name>
    <message>
        <source>Editing</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeile</translation>
    </message>
    <message>
        <source>Windows and Apps</source>
        <translation>Fenster und Anwendungen</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Tastatur und Maus</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Code and Math</source>
        <translation>Code und Mathematik</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Tools and Objects</source>
        <translation>Werkzeuge und Gegenstände</translation>
    </message>
    <message>
        <source>Shapes and Symbols</source>
        <translation>Formen und Symbole</translation>
    </message>
    <message>
        <source>Nature and Places</source>
        <translation>Natur und Orte</translation>
    </message>
</context>
<context>
    <name>SymbolPicker</name>
    <message>
        <source>No symbols found</source>
        <translation>Keine Symbole gefunden</translation>
    </message>
    <message>
        <source>Search symbols, e.g. arrow, doc, star</source>
        <translation>Symbole suchen, z. B. arrow, doc, star</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Ringle: no system tray is available; the icon appears when one starts. Open the settings with &quot;ringle --settings&quot;.
</source>
        <translation>Ringle: Kein Infobereich verfügbar; das Symbol erscheint, sobald einer startet. Öffnen Sie die Einstellungen mit „ringle --settings“.
</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Undo Last Replace</source>
        <translation>Letztes Ersetzen rückgängig machen</translation>
    </message>
    <message>
        <source>Recent Results</source>
        <translation>Letzte Ergebnisse</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Quit Ringle</source>
        <translation>Ringle beenden</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>In Arbeit…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A recent result in the tray: the action that made it and the start of its text.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Copy this result</source>
        <translation>Dieses Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf leeren</translation>
    </message>
</context>
<context>
    <name>WaylandConnection</name>
    <message>
        <source>the compositor ended the connection over a protocol error (%1 %2, code %3)</source>
        <translation>der Compositor hat die Verbindung wegen eines Protokollfehlers beendet (%1 %2, Code %3)</translation>
    </message>
    <message>
        <source>the connection to the compositor was lost (%1)</source>
        <translation>die Verbindung zum Compositor ist abgerissen (%1)</translation>
    </message>
</context>
<context>
    <name>WaylandDesktop</name>
    <message>
        <source>KWin grants its fake input to programs whose desktop entry asks for it: install Ringle&apos;s package (or, for a build of your own, run scripts/run once), then start Ringle again.</source>
        <translation>KWin gewährt seine künstliche Eingabe Programmen, deren Desktop-Eintrag danach fragt: Installieren Sie das Paket von Ringle (oder führen Sie für einen eigenen Build einmal scripts/run aus) und starten Sie Ringle dann erneut.</translation>
    </message>
    <message>
        <source>a virtual keyboard with your keymap</source>
        <translation>eine virtuelle Tastatur mit Ihrer Tastaturbelegung</translation>
    </message>
    <message>
        <source>KWin&apos;s fake input, with your keymap</source>
        <translation>die künstliche Eingabe von KWin, mit Ihrer Tastaturbelegung</translation>
    </message>
    <message>
        <source>through Ringle&apos;s GNOME Shell extension, with your keymap</source>
        <translation>über die GNOME-Shell-Erweiterung von Ringle, mit Ihrer Tastaturbelegung</translation>
    </message>
    <message>
        <source>Ringle&apos;s GNOME Shell extension is off</source>
        <translation>die GNOME-Shell-Erweiterung von Ringle ist ausgeschaltet</translation>
    </message>
    <message>
        <source>KWin has not granted Ringle its fake input</source>
        <translation>KWin hat Ringle seine künstliche Eingabe nicht gewährt</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard</source>
        <translation>der Compositor bietet keine virtuelle Tastatur</translation>
    </message>
    <message>
        <source>Use a compositor that offers zwp_virtual_keyboard_v1, or start Ringle with --backend=x11 to work in XWayland apps.</source>
        <translation>Verwenden Sie einen Compositor, der zwp_virtual_keyboard_v1 bietet, oder starten Sie Ringle mit --backend=x11, um in XWayland-Anwendungen zu arbeiten.</translation>
    </message>
    <message>
        <source>Or start Ringle again and allow the keyboard when the desktop asks.</source>
        <translation>Oder starten Sie Ringle erneut und erlauben Sie die Tastatur, wenn die Arbeitsumgebung fragt.</translation>
    </message>
    <message>
        <source>Start Ringle again and allow the keyboard when the desktop asks.</source>
        <translation>Starten Sie Ringle erneut und erlauben Sie die Tastatur, wenn die Arbeitsumgebung fragt.</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal, which you allowed before</source>
        <translation>das RemoteDesktop-Portal, das Sie früher erlaubt haben</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal (the desktop may ask you to allow it when Ringle starts)</source>
        <translation>das RemoteDesktop-Portal (die Arbeitsumgebung fragt womöglich beim Start von Ringle um Erlaubnis)</translation>
    </message>
    <message>
        <source>waiting for you to allow Ringle to control the keyboard</source>
        <translation>wartet darauf, dass Sie Ringle die Steuerung der Tastatur erlauben</translation>
    </message>
    <message>
        <source>Answer the desktop&apos;s question about remote control: allow the keyboard.</source>
        <translation>Beantworten Sie die Frage der Arbeitsumgebung zur Fernsteuerung: Erlauben Sie die Tastatur.</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal, with your keymap</source>
        <translation>das RemoteDesktop-Portal, mit Ihrer Tastaturbelegung</translation>
    </message>
    <message>
        <source>Ringle was not allowed to control the keyboard</source>
        <translation>Ringle durfte die Tastatur nicht steuern</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal ended Ringle&apos;s session</source>
        <translation>das RemoteDesktop-Portal hat die Sitzung von Ringle beendet</translation>
    </message>
    <message>
        <source>bound in GNOME Shell by Ringle&apos;s extension</source>
        <translation>in GNOME Shell durch die Erweiterung von Ringle gebunden</translation>
    </message>
    <message>
        <source>GNOME Shell gives clicks in a window to that window alone</source>
        <translation>GNOME Shell gibt Klicks in einem Fenster nur an dieses Fenster</translation>
    </message>
    <message>
        <source>Open the wheel with the keyboard shortcut.</source>
        <translation>Öffnen Sie das Rad mit dem Tastenkürzel.</translation>
    </message>
    <message>
        <source>shown by Ringle&apos;s GNOME Shell extension</source>
        <translation>von der GNOME-Shell-Erweiterung von Ringle angezeigt</translation>
    </message>
    <message>
        <source>from Ringle&apos;s GNOME Shell extension</source>
        <translation>von der GNOME-Shell-Erweiterung von Ringle</translation>
    </message>
    <message>
        <source>a StatusNotifierItem tray runs</source>
        <translation>ein StatusNotifierItem-Infobereich läuft</translation>
    </message>
    <message>
        <source>GNOME shows no tray icons of its own</source>
        <translation>GNOME zeigt von sich aus keine Symbole im Infobereich</translation>
    </message>
    <message>
        <source>Install and turn on a GNOME Shell extension for tray icons (&quot;AppIndicator and KStatusNotifierItem Support&quot;); meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Installieren Sie eine GNOME-Shell-Erweiterung für Symbole im Infobereich („AppIndicator and KStatusNotifierItem Support“) und schalten Sie sie ein; bis dahin öffnet „ringle --settings“ die Einstellungen.</translation>
    </message>
    <message>
        <source>Mutter&apos;s remote desktop session: %1</source>
        <translation>die Fernsitzung von Mutter: %1</translation>
    </message>
    <message>
        <source>Start Ringle again; if this stays, GNOME Shell may need to be restarted (log out and in).</source>
        <translation>Starten Sie Ringle erneut; bleibt es dabei, muss GNOME Shell womöglich neu starten (ab- und wieder anmelden).</translation>
    </message>
    <message>
        <source>through Mutter&apos;s remote desktop session, every type</source>
        <translation>über die Fernsitzung von Mutter, jeder Typ</translation>
    </message>
    <message>
        <source>through Mutter&apos;s remote desktop session, with your keymap</source>
        <translation>über die Fernsitzung von Mutter, mit Ihrer Tastaturbelegung</translation>
    </message>
    <message>
        <source>over ext-data-control</source>
        <translation>über ext-data-control</translation>
    </message>
    <message>
        <source>over wlr-data-control</source>
        <translation>über wlr-data-control</translation>
    </message>
    <message>
        <source>the compositor offers no data-control protocol</source>
        <translation>der Compositor bietet kein data-control-Protokoll</translation>
    </message>
    <message>
        <source>Use a compositor that offers ext-data-control-v1 or wlr-data-control, or start Ringle with --backend=x11 to work in XWayland apps.</source>
        <translation>Verwenden Sie einen Compositor, der ext-data-control-v1 oder wlr-data-control bietet, oder starten Sie Ringle mit --backend=x11, um in XWayland-Anwendungen zu arbeiten.</translation>
    </message>
    <message>
        <source>bound in sway over its IPC</source>
        <translation>in sway über dessen IPC gebunden</translation>
    </message>
    <message>
        <source>bound in KWin&apos;s global shortcuts (Plasma&apos;s shortcut settings list it)</source>
        <translation>in den globalen Tastenkürzeln von KWin gebunden (die Kurzbefehl-Einstellungen von Plasma führen es auf)</translation>
    </message>
    <message>
        <source>bound through the desktop&apos;s GlobalShortcuts portal</source>
        <translation>über das GlobalShortcuts-Portal der Arbeitsumgebung gebunden</translation>
    </message>
    <message>
        <source>this compositor lets no program bind keys</source>
        <translation>dieser Compositor lässt kein Programm Tasten binden</translation>
    </message>
    <message>
        <source>Bind &quot;ringle wheel press&quot; to a key and &quot;ringle wheel release&quot; to its release in the compositor&apos;s configuration (the README has the lines).</source>
        <translation>Binden Sie in der Konfiguration des Compositors „ringle wheel press“ an eine Taste und „ringle wheel release“ an deren Loslassen (die README enthält die Zeilen).</translation>
    </message>
    <message>
        <source>bound in sway for the whole window</source>
        <translation>in sway für das ganze Fenster gebunden</translation>
    </message>
    <message>
        <source>KWin lets no program bind a mouse button</source>
        <translation>KWin lässt kein Programm eine Maustaste binden</translation>
    </message>
    <message>
        <source>this compositor lets no program bind a mouse button</source>
        <translation>dieser Compositor lässt kein Programm eine Maustaste binden</translation>
    </message>
    <message>
        <source>Open the wheel with the shortcut.</source>
        <translation>Öffnen Sie das Rad mit dem Tastenkürzel.</translation>
    </message>
    <message>
        <source>layer-shell surfaces (version %1)</source>
        <translation>layer-shell-Flächen (Version %1)</translation>
    </message>
    <message>
        <source>from sway&apos;s tree</source>
        <translation>aus dem Baum von sway</translation>
    </message>
    <message>
        <source>from Ringle&apos;s KWin script</source>
        <translation>aus dem KWin-Skript von Ringle</translation>
    </message>
    <message>
        <source>from the compositor&apos;s list of windows</source>
        <translation>aus der Fensterliste des Compositors</translation>
    </message>
    <message>
        <source>the compositor does not tell which window is in front</source>
        <translation>der Compositor sagt nicht, welches Fenster im Vordergrund ist</translation>
    </message>
    <message>
        <source>Sets bound to apps are not chosen here; the default set opens instead.</source>
        <translation>An Anwendungen gebundene Sets werden hier nicht gewählt; stattdessen öffnet sich das Standard-Set.</translation>
    </message>
    <message>
        <source>no tray runs</source>
        <translation>kein Infobereich läuft</translation>
    </message>
    <message>
        <source>Add the System Tray widget to a Plasma panel; meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Fügen Sie einer Plasma-Leiste das Miniprogramm „Systemabschnitt“ hinzu; bis dahin öffnet „ringle --settings“ die Einstellungen.</translation>
    </message>
    <message>
        <source>Start a panel with a tray (waybar&apos;s tray module, or swaybar); meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Starten Sie eine Leiste mit Infobereich (das tray-Modul von waybar oder swaybar); bis dahin öffnet „ringle --settings“ die Einstellungen.</translation>
    </message>
</context>
<context>
    <name>WaylandPlatform</name>
    <message>
        <source>no Wayland compositor answered</source>
        <translation>kein Wayland-Compositor hat geantwortet</translation>
    </message>
    <message>
        <source>the compositor lacks %1</source>
        <translation>dem Compositor fehlt %1</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>der Compositor bietet keinen Seat</translation>
    </message>
</context>
<context>
    <name>WebsiteSheet</name>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>z. B. %1</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Opens in your default browser. Addresses like notion:// open in their app. Ringle fetches the site&apos;s icon once, when you save.</source>
        <translation>Öffnet sich in Ihrem Standard-Browser. Adressen wie notion:// öffnen sich in ihrer Anwendung. Ringle holt das Symbol der Website einmal, beim Speichern.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>WheelConfig</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>WheelDemo</name>
    <message>
        <source>ringle: --demo-wheel cannot start: %1</source>
        <translation>ringle: --demo-wheel kann nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>WheelGeometry</name>
    <message>
        <source>Whole ring</source>
        <translation>Ganzer Ring</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
</context>
<context>
    <name>WheelItemDisplay</name>
    <message>
        <source>Proofread</source>
        <translation>Korrekturlesen</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Umformulieren</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Übersetzen</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklären</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>Zusammenfassen</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Removed Key Combo</source>
        <translation>Entfernte Tastenkombination</translation>
    </message>
    <message>
        <source>Removed Prompt</source>
        <translation>Entfernter Prompt</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>translate</source>
        <translation>übersetzen</translation>
    </message>
    <message>
        <source>shortcut</source>
        <translation>Kurzbefehl</translation>
    </message>
    <message>
        <source>Translate (default language)</source>
        <translation>Übersetzen (Standardsprache)</translation>
    </message>
    <message>
        <source>Translate to %1</source>
        <translation>Auf %1 übersetzen</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Kurzbefehl: %1</translation>
    </message>
</context>
<context>
    <name>WheelMouseRow</name>
    <message>
        <source>Mouse button</source>
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>Hold the keyboard shortcut, or %1, then move the mouse in a direction and release. Scroll to switch rings. Release in the center to cancel.</source>
        <translation>Halten Sie das Tastenkürzel, oder %1, bewegen Sie dann die Maus in eine Richtung und lassen Sie los. Scrollen Sie, um den Ring zu wechseln. Lassen Sie in der Mitte los, um abzubrechen.</translation>
    </message>
    <message>
        <source>Hold the keyboard shortcut, then move the mouse in a direction and release. Scroll to switch rings. Release in the center to cancel.</source>
        <translation>Halten Sie das Tastenkürzel, bewegen Sie dann die Maus in eine Richtung und lassen Sie los. Scrollen Sie, um den Ring zu wechseln. Lassen Sie in der Mitte los, um abzubrechen.</translation>
    </message>
</context>
<context>
    <name>WheelMouseSettings</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Rechte Taste</translation>
    </message>
    <message>
        <source>right-click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Mittlere Taste</translation>
    </message>
    <message>
        <source>middle-click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Taste 4</translation>
    </message>
    <message>
        <source>press button 4</source>
        <translation>Taste 4 drücken</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Taste 5</translation>
    </message>
    <message>
        <source>press button 5</source>
        <translation>Taste 5 drücken</translation>
    </message>
    <message>
        <source>hold %1 and %2</source>
        <translation>%1 halten und %2</translation>
    </message>
</context>
<context>
    <name>WheelOverlay</name>
    <message>
        <source>Ringle Wheel</source>
        <translation>Ringle-Rad</translation>
    </message>
</context>
<context>
    <name>WheelSettingsView</name>
    <message>
        <source>Select a set or ring</source>
        <translation>Wählen Sie ein Set oder einen Ring</translation>
    </message>
    <message>
        <source>New Ring</source>
        <translation>Neuer Ring</translation>
    </message>
    <message>
        <source>New Set</source>
        <translation>Neues Set</translation>
    </message>
    <message>
        <source>Add a ring or a set</source>
        <translation>Einen Ring oder ein Set hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The wheel settings were changed outside this window. The editor now shows them as they are stored; your next change applies to them.</source>
        <translation>Die Einstellungen des Rades wurden außerhalb dieses Fensters geändert. Der Editor zeigt sie jetzt so, wie sie gespeichert sind; Ihre nächste Änderung gilt für sie.</translation>
    </message>
    <message>
        <source>Remove the set %1?</source>
        <translation>Das Set %1 entfernen?</translation>
    </message>
    <message>
        <source>Its rings are removed too.</source>
        <translation>Seine Ringe werden ebenfalls entfernt.</translation>
    </message>
    <message>
        <source>Remove Set and Its Rings</source>
        <translation>Set und seine Ringe entfernen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Verschieben nach</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Save the sets, key combinations and prompts to a file</source>
        <translation>Die Sets, Tastenkombinationen und Prompts in einer Datei speichern</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Add or replace the sets, key combinations and prompts from a file</source>
        <translation>Die Sets, Tastenkombinationen und Prompts aus einer Datei hinzufügen oder ersetzen</translation>
    </message>
</context>
<context>
    <name>WheelSidebar</name>
    <message>
        <source>Key Combos</source>
        <translation>Tastenkombinationen</translation>
    </message>
    <message>
        <source>Prompts</source>
        <translation>Prompts</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>New Set</source>
        <translation>Neues Set</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>New Ring</source>
        <translation>Neuer Ring</translation>
    </message>
    <message>
        <source>The list needs at least the default set.</source>
        <translation>Die Liste braucht mindestens das Standard-Set.</translation>
    </message>
    <message>
        <source>At most %1 sets are allowed.</source>
        <translation>Höchstens %1 Sets sind erlaubt.</translation>
    </message>
    <message>
        <source>Set &quot;%1&quot; has %2 rings; a set has 1 to %3.</source>
        <translation>Das Set „%1“ hat %2 Ringe; ein Set hat 1 bis %3.</translation>
    </message>
    <message>
        <source>Ring &quot;%1&quot; has %2 slots; a ring has %3 to %4.</source>
        <translation>Der Ring „%1“ hat %2 Felder; ein Ring hat %3 bis %4.</translation>
    </message>
</context>
<context>
    <name>X11Desktop</name>
    <message>
        <source>&quot;ringle doctor --backend=wayland&quot; says what this compositor lacks for Ringle to run on Wayland.</source>
        <translation>„ringle doctor --backend=wayland“ sagt, was diesem Compositor fehlt, damit Ringle unter Wayland läuft.</translation>
    </message>
    <message>
        <source>bound through the desktop&apos;s GlobalShortcuts portal</source>
        <translation>über das GlobalShortcuts-Portal der Arbeitsumgebung gebunden</translation>
    </message>
    <message>
        <source>grabbed from the X server</source>
        <translation>vom X-Server abgefangen</translation>
    </message>
    <message>
        <source>grabbed from XWayland, so it works only while an XWayland app is in front</source>
        <translation>von XWayland abgefangen, daher nur wirksam, solange eine XWayland-Anwendung im Vordergrund ist</translation>
    </message>
    <message>
        <source>the X server has no XTest extension</source>
        <translation>der X-Server hat keine XTest-Erweiterung</translation>
    </message>
    <message>
        <source>Use an X server with the XTest extension (every desktop&apos;s has it).</source>
        <translation>Verwenden Sie einen X-Server mit der XTest-Erweiterung (den hat jede Arbeitsumgebung).</translation>
    </message>
    <message>
        <source>XTest</source>
        <translation>XTest</translation>
    </message>
    <message>
        <source>XTest, which reaches only the XWayland apps</source>
        <translation>XTest, das nur die XWayland-Anwendungen erreicht</translation>
    </message>
    <message>
        <source>translucent windows (a compositor runs)</source>
        <translation>durchscheinende Fenster (ein Compositor läuft)</translation>
    </message>
    <message>
        <source>shaped windows</source>
        <translation>geformte Fenster</translation>
    </message>
    <message>
        <source>the CLIPBOARD selection</source>
        <translation>die CLIPBOARD-Auswahl</translation>
    </message>
    <message>
        <source>the window manager&apos;s active window</source>
        <translation>das aktive Fenster des Fenstermanagers</translation>
    </message>
    <message>
        <source>a system tray runs</source>
        <translation>ein Infobereich läuft</translation>
    </message>
    <message>
        <source>no system tray runs</source>
        <translation>kein Infobereich läuft</translation>
    </message>
    <message>
        <source>Start a panel with a system tray; meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Starten Sie eine Leiste mit Infobereich; bis dahin öffnet „ringle --settings“ die Einstellungen.</translation>
    </message>
</context>
</TS>
