<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AIAction</name>
    <message>
        <source>Proofreading…</source>
        <translation>Correction…</translation>
    </message>
    <message>
        <source>Rewriting…</source>
        <translation>Reformulation…</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Traduction…</translation>
    </message>
    <message>
        <source>Explaining…</source>
        <translation>Explication…</translation>
    </message>
    <message>
        <source>Summarizing…</source>
        <translation>Résumé…</translation>
    </message>
</context>
<context>
    <name>AIEngine</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Unavailable (%1)</source>
        <translation>Indisponible (%1)</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Some applications (Qt, Chromium, Electron) share their text with assistive tools only while the desktop&apos;s accessibility support is on, so Ringle may not see their selection or caret. Turn it on in the desktop&apos;s accessibility settings.</source>
        <translation>Certaines applications (Qt, Chromium, Electron) ne partagent leur texte avec les technologies d’assistance que si l’accessibilité du bureau est activée&#xa0;; Ringle risque alors de ne pas voir leur sélection ni leur curseur. Activez-la dans les paramètres d’accessibilité du bureau.</translation>
    </message>
    <message>
        <source>The accessibility bus is not running, so Ringle cannot see the selection or the caret in other applications. Its actions still work, with results shown next to the pointer. Install at-spi2-core and log in again.</source>
        <translation>Le bus d’accessibilité n’est pas lancé&#xa0;: Ringle ne voit pas la sélection ni le curseur dans les autres applications. Ses actions fonctionnent quand même, avec les résultats affichés à côté du pointeur. Installez at-spi2-core et reconnectez-vous.</translation>
    </message>
</context>
<context>
    <name>ActionRunner</name>
    <message>
        <source>Ringle needs Accessibility permission.</source>
        <translation>Ringle a besoin de l’autorisation d’accessibilité.</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Une erreur s’est produite.</translation>
    </message>
    <message>
        <source>The text has changed since, so the original is on the clipboard instead.</source>
        <translation>Le texte a changé entre-temps&#xa0;: c’est l’original qui est dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>AppChooser</name>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>AskChat</name>
    <message>
        <source>Something went wrong.</source>
        <translation>Une erreur s’est produite.</translation>
    </message>
    <message>
        <source>The conversation is too long for the model.</source>
        <translation>La conversation est trop longue pour le modèle.</translation>
    </message>
</context>
<context>
    <name>AskConversation</name>
    <message>
        <source>Start Over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Linux has no on-device model, so Ringle needs a local model server such as Ollama or LM Studio. You can connect one in [Settings](ringle-settings:).</source>
        <translation>Linux n’a pas de modèle intégré à l’appareil&#xa0;: Ringle a besoin d’un serveur de modèle local comme Ollama ou LM Studio. Vous pouvez en connecter un dans les [Paramètres](ringle-settings:).</translation>
    </message>
</context>
<context>
    <name>AskPanel</name>
    <message>
        <source>Ask Ringle</source>
        <translation>Demander à Ringle</translation>
    </message>
</context>
<context>
    <name>AskQuote</name>
    <message>
        <source>Show less</source>
        <translation>Afficher moins</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>Afficher plus</translation>
    </message>
</context>
<context>
    <name>AskView</name>
    <message>
        <source>Ask about the text…</source>
        <translation>Une question sur le texte…</translation>
    </message>
    <message>
        <source>Ask anything…</source>
        <translation>Posez une question…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>BackendChoice</name>
    <message>
        <source>Ringle needs an X11 display, but DISPLAY is not set: start it from an X11 session.</source>
        <translation>Ringle a besoin d’un affichage X11, mais DISPLAY n’est pas défini&#xa0;: lancez-le depuis une session X11.</translation>
    </message>
    <message>
        <source>Ringle needs an X11 display, but it cannot connect to &quot;%1&quot;.</source>
        <translation>Ringle a besoin d’un affichage X11, mais ne peut pas se connecter à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Ringle cannot connect to the Wayland compositor at &quot;%1&quot;.</source>
        <translation>Ringle ne peut pas se connecter au compositeur Wayland «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This Wayland compositor lacks what Ringle needs (%1): turn on XWayland and start Ringle with --backend=x11.</source>
        <translation>Il manque à ce compositeur Wayland ce dont Ringle a besoin (%1)&#xa0;: activez XWayland et lancez Ringle avec --backend=x11.</translation>
    </message>
    <message>
        <source>The backend must be x11 or wayland, not &quot;%1&quot;.</source>
        <translation>Le backend doit être x11 ou wayland, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Ringle was asked to use Wayland, but WAYLAND_DISPLAY is not set.</source>
        <translation>Ringle doit utiliser Wayland, mais WAYLAND_DISPLAY n’est pas défini.</translation>
    </message>
    <message>
        <source>Ringle works only in the XWayland apps for now.</source>
        <translation>Pour l’instant, Ringle ne fonctionne que dans les applications XWayland.</translation>
    </message>
    <message>
        <source>This Wayland compositor lacks %1, so Ringle uses XWayland: it works in the XWayland apps. &quot;ringle doctor --backend=wayland&quot; says what to do.</source>
        <translation>Il manque %1 à ce compositeur Wayland, donc Ringle utilise XWayland&#xa0;: il fonctionne dans les applications XWayland. «&#xa0;ringle doctor --backend=wayland&#xa0;» indique que faire.</translation>
    </message>
    <message>
        <source>This Wayland compositor lacks %1: Ringle shows the wheel but cannot copy or paste the selection; &quot;ringle doctor&quot; says more.</source>
        <translation>Il manque %1 à ce compositeur Wayland&#xa0;: Ringle affiche la roue mais ne peut ni copier ni coller la sélection&#xa0;; «&#xa0;ringle doctor&#xa0;» en dit plus.</translation>
    </message>
    <message>
        <source>On GNOME, Ringle needs its GNOME Shell extension: run &quot;gnome-extensions enable %1&quot;. Just after installing Ringle, log out and in first: GNOME Shell on Wayland finds new extensions only when it starts.</source>
        <translation>Sous GNOME, Ringle a besoin de son extension GNOME Shell&#xa0;: lancez «&#xa0;gnome-extensions enable %1&#xa0;». Juste après avoir installé Ringle, déconnectez-vous puis reconnectez-vous d’abord&#xa0;: sous Wayland, GNOME Shell ne trouve les nouvelles extensions qu’à son démarrage.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--backend needs x11 or wayland</source>
        <translation>--backend attend x11 ou wayland</translation>
    </message>
    <message>
        <source>--backend needs x11 or wayland, not &quot;%1&quot;</source>
        <translation>--backend attend x11 ou wayland, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>wheel takes press, release or toggle</source>
        <translation>wheel attend press, release ou toggle</translation>
    </message>
    <message>
        <source>unexpected words: %1</source>
        <translation>mots inattendus&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 takes no further words</source>
        <translation>%1 n’attend pas d’autres mots</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
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
        <translation>Utilisation&#xa0;: ringle [--backend=x11|wayland] [OPTION]
         ou&#xa0;: ringle config COMMANDE [ARGUMENT...]
         ou&#xa0;: ringle doctor
         ou&#xa0;: ringle wheel press|release|toggle
Une roue d’actions pour le texte sélectionné, dans tout le système. Sans option, Ringle démarre dans la zone de notification&#xa0;; s’il est déjà lancé, il le dit et le laisse tel quel.

Maintenez Ctrl+Alt+H, ou Ctrl+Alt et le bouton droit de la souris, et un anneau d’emplacements s’ouvre sous le pointeur&#xa0;: allez vers un emplacement et relâchez pour le lancer (corriger, reformuler ou traduire la sélection avec un serveur de modèle local, envoyer une combinaison de touches, ouvrir une application ou une adresse)&#xa0;; relâchez au centre pour annuler.

Options&#xa0;:
  --settings      ouvrir la fenêtre des paramètres du Ringle lancé, ou lancer Ringle avec elle
  --check-config  afficher les ensembles, anneaux et emplacements enregistrés tels que Ringle
                  les lit
  --demo-wheel    ouvrir la roue sur la configuration enregistrée et afficher l’emplacement
                  choisi
  --backend=x11|wayland  utiliser ce backend de bureau (aussi RINGLE_BACKEND)&#xa0;; par défaut
                  Wayland là où le compositeur offre ce dont Ringle a besoin, sinon X11
                  (XWayland)
  -h, --help      afficher cette aide et quitter
  -v, --version   afficher la version et quitter

Commandes&#xa0;:
  config          lire et modifier les paramètres enregistrés&#xa0;; voir «&#xa0;ringle config --help&#xa0;»
  doctor          dire ce qui fonctionne sur ce bureau et que faire pour le reste
  wheel press     ouvrir la roue du Ringle lancé sous le pointeur (à associer à une touche
                  dans les compositeurs où Ringle ne peut pas associer de touches)
  wheel release   fermer la roue et lancer l’emplacement choisi (à associer au relâchement
                  de la touche)
  wheel toggle    ouvrir la roue, ou la fermer et lancer l’emplacement choisi, pour les
                  compositeurs qui n’associent pas le relâchement des touches&#xa0;; un clic sur
                  la roue choisit aussi

Fichiers&#xa0;:
  $XDG_CONFIG_HOME/Ringle/defaults.json  les paramètres (~/.config par défaut)
  $XDG_CONFIG_HOME/autostart/%1.desktop  présent tant que Ringle démarre à la connexion

Code de sortie&#xa0;:
  0  succès
  1  Ringle n’a pas pu démarrer (par exemple sans affichage), ou doctor a trouvé un manque
  2  mauvaise utilisation

Ringle fonctionne sous Wayland (KDE Plasma, sway et les autres compositeurs wlroots) et sous X11.
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
Copyright les développeurs de Ringle.
Licence GPL-3.0-or-later&#xa0;: GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer.
Il n’y a AUCUNE GARANTIE, dans les limites permises par la loi.
</translation>
    </message>
    <message>
        <source>Ringle is not running.
</source>
        <translation>Ringle n’est pas lancé.
</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>Sets: %1</source>
        <translation>Ensembles&#xa0;: %1</translation>
    </message>
    <message>
        <source>apps: %1</source>
        <translation>applications&#xa0;: %1</translation>
    </message>
    <message>
        <source>sites: %1</source>
        <translation>sites&#xa0;: %1</translation>
    </message>
    <message>
        <source> (read-only text)</source>
        <translation> (texte non modifiable)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Custom key combinations: %1</source>
        <translation>Combinaisons de touches personnelles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Custom prompts: %1</source>
        <translation>Prompts personnels&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kept unreadable data under &quot;%1&quot;</source>
        <translation>Données illisibles conservées sous «&#xa0;%1&#xa0;»</translation>
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
        <translation>  export FICHIER  écrire les ensembles, combinaisons de touches et prompts dans FICHIER
                  (- pour la sortie standard)
  import FICHIER  vérifier FICHIER (- pour l’entrée standard) et dire ce que ferait son
                  import&#xa0;; avec --merge, ajouter ses ensembles, combinaisons de touches et
                  prompts aux vôtres (ceux dont les identifiants sont déjà pris chez vous en
                  reçoivent de nouveaux)&#xa0;; avec --replace, les mettre à la place des vôtres.
                  Dans les deux cas, votre configuration est d’abord conservée dans
                  defaults-backup-DATE-HEURE.json à côté du fichier des paramètres.
</translation>
    </message>
    <message>
        <source>     export, import: a file could not be written
</source>
        <translation>     export, import&#xa0;: un fichier n’a pas pu être écrit
</translation>
    </message>
    <message>
        <source>     import: the file is refused, or neither --merge nor --replace was given
</source>
        <translation>     import&#xa0;: le fichier est refusé, ou ni --merge ni --replace n’a été donné
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
        <translation>Utilisation&#xa0;: ringle config list
         ou&#xa0;: ringle config get CLÉ
         ou&#xa0;: ringle config set CLÉ VALEUR
         ou&#xa0;: ringle config unset CLÉ
         ou&#xa0;: ringle config start-at-login [on|off]
         ou&#xa0;: ringle config export FICHIER
         ou&#xa0;: ringle config import FICHIER [--merge|--replace]
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
        <translation>Lit et modifie les paramètres enregistrés de Ringle, typés et vérifiés comme Ringle les lit&#xa0;; un Ringle lancé prend une modification en compte aussitôt. Aucun affichage n’est nécessaire.

Commandes&#xa0;:
  list            afficher chaque clé avec sa valeur, ou la valeur par défaut qui s’applique
  get CLÉ         afficher la valeur enregistrée sous CLÉ (les paramètres JSON en texte JSON)
  set CLÉ VALEUR  enregistrer VALEUR sous CLÉ après l’avoir vérifiée
  unset CLÉ       retirer CLÉ, pour que Ringle utilise sa valeur par défaut
  start-at-login  afficher on ou off&#xa0;; avec on ou off, ajouter ou retirer l’entrée de démarrage automatique
</translation>
    </message>
    <message>
        <source>Keys:
</source>
        <translation>Clés&#xa0;:
</translation>
    </message>
    <message>
        <source>, default %1</source>
        <translation>, par défaut %1</translation>
    </message>
    <message>
        <source>; one of %1</source>
        <translation>&#xa0;; parmi %1</translation>
    </message>
    <message>
        <source>Exit status:
  0  success
  1  get: the key is not set; set, unset, start-at-login: the change could not be saved
</source>
        <translation>Code de sortie&#xa0;:
  0  succès
  1  get&#xa0;: la clé n’est pas définie&#xa0;; set, unset, start-at-login&#xa0;: la modification n’a pas pu être enregistrée
</translation>
    </message>
    <message>
        <source>  2  wrong usage, an unknown key or a value the key does not take
</source>
        <translation>  2  mauvaise utilisation, clé inconnue ou valeur que la clé n’accepte pas
</translation>
    </message>
    <message>
        <source>Examples:
</source>
        <translation>Exemples&#xa0;:
</translation>
    </message>
    <message>
        <source>Unknown key &quot;%1&quot;. Known keys: %2</source>
        <translation>Clé inconnue «&#xa0;%1&#xa0;». Clés connues&#xa0;: %2</translation>
    </message>
    <message>
        <source>Note: %1 holds a %2, not a %3; Ringle ignores it and uses the default (%4).</source>
        <translation>Remarque&#xa0;: %1 contient une valeur de type %2 et non %3&#xa0;; Ringle l’ignore et utilise la valeur par défaut (%4).</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>(a %1, ignored: not a %2)</source>
        <translation>(de type %1, ignorée&#xa0;: pas de type %2)</translation>
    </message>
    <message>
        <source>(not set; default: %1)</source>
        <translation>(non définie&#xa0;; par défaut&#xa0;: %1)</translation>
    </message>
    <message>
        <source>%1 is not set; Ringle uses the default (%2).</source>
        <translation>%1 n’est pas définie&#xa0;; Ringle utilise la valeur par défaut (%2).</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>The file has no &quot;%1&quot; list.</source>
        <translation>Le fichier n’a pas de liste «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the file is not a list.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une liste dans le fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the file cannot be read: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu dans le fichier&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file is not a Ringle configuration file: its &quot;format&quot; is not &quot;ringle-config&quot;.</source>
        <translation>Le fichier n’est pas un fichier de configuration de Ringle&#xa0;: son «&#xa0;format&#xa0;» n’est pas «&#xa0;ringle-config&#xa0;».</translation>
    </message>
    <message>
        <source>The file has no valid format version.</source>
        <translation>Le fichier n’a pas de version de format valide.</translation>
    </message>
    <message>
        <source>This file comes from a newer version of Ringle (format version %1); update Ringle to import it.</source>
        <translation>Ce fichier vient d’une version plus récente de Ringle (version de format %1)&#xa0;; mettez Ringle à jour pour l’importer.</translation>
    </message>
    <message>
        <source>The file is not a Ringle configuration file: it is not valid JSON (%1 at character %2).</source>
        <translation>Le fichier n’est pas un fichier de configuration de Ringle&#xa0;: ce n’est pas du JSON valide (%1 au caractère %2).</translation>
    </message>
    <message>
        <source>The file is not a Ringle configuration file: it does not hold a JSON object.</source>
        <translation>Le fichier n’est pas un fichier de configuration de Ringle&#xa0;: il ne contient pas d’objet JSON.</translation>
    </message>
    <message>
        <source>The sets in the file go beyond what Ringle keeps: %1</source>
        <translation>Les ensembles du fichier dépassent ce que Ringle conserve&#xa0;: %1</translation>
    </message>
    <message>
        <source>Two sets in the file have the same id %1.</source>
        <translation>Deux ensembles du fichier ont le même identifiant %1.</translation>
    </message>
    <message>
        <source>Two rings in the file have the same id %1.</source>
        <translation>Deux anneaux du fichier ont le même identifiant %1.</translation>
    </message>
    <message>
        <source>Two key combinations in the file have the same id %1.</source>
        <translation>Deux combinaisons de touches du fichier ont le même identifiant %1.</translation>
    </message>
    <message>
        <source>Two prompts in the file have the same id %1.</source>
        <translation>Deux prompts du fichier ont le même identifiant %1.</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>The standard input holds more than %1 MiB, so it is not a Ringle configuration file.</source>
        <translation>L’entrée standard contient plus de %1&#xa0;Mio, ce n’est donc pas un fichier de configuration de Ringle.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, so it is not a Ringle configuration file.</source>
        <translation>%1 dépasse %2&#xa0;Mio, ce n’est donc pas un fichier de configuration de Ringle.</translation>
    </message>
    <message>
        <source>Could not read the standard input: %1.</source>
        <translation>Impossible de lire l’entrée standard&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Il n’y a pas de fichier %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
</context>
<context>
    <name>ConfigImport</name>
    <message>
        <source>Ringle keeps no settings file to put a backup next to, so nothing was imported.</source>
        <translation>Ringle n’a pas de fichier de paramètres à côté duquel placer une sauvegarde, rien n’a donc été importé.</translation>
    </message>
    <message>
        <source>Could not write the backup %1, so nothing was imported: %2.</source>
        <translation>Impossible d’écrire la sauvegarde %1, rien n’a donc été importé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ConfigImportPlan</name>
    <message>
        <source>Merging would give %1 sets, and Ringle keeps at most %2.</source>
        <translation>La fusion donnerait %1 ensembles, et Ringle en conserve au plus %2.</translation>
    </message>
    <message>
        <source>The file holds no sets, so it cannot take the place of yours.</source>
        <translation>Le fichier ne contient aucun ensemble, il ne peut donc pas remplacer les vôtres.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a key combination that is neither in the file nor in your configuration.</source>
        <translation>L’emplacement %1 de l’anneau «&#xa0;%2&#xa0;» de l’ensemble «&#xa0;%3&#xa0;» renvoie à une combinaison de touches qui n’est ni dans le fichier ni dans votre configuration.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a prompt that is neither in the file nor in your configuration.</source>
        <translation>L’emplacement %1 de l’anneau «&#xa0;%2&#xa0;» de l’ensemble «&#xa0;%3&#xa0;» renvoie à un prompt qui n’est ni dans le fichier ni dans votre configuration.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a key combination that is not in the file.</source>
        <translation>L’emplacement %1 de l’anneau «&#xa0;%2&#xa0;» de l’ensemble «&#xa0;%3&#xa0;» renvoie à une combinaison de touches qui n’est pas dans le fichier.</translation>
    </message>
    <message>
        <source>Slot %1 of the ring &quot;%2&quot; in the set &quot;%3&quot; refers to a prompt that is not in the file.</source>
        <translation>L’emplacement %1 de l’anneau «&#xa0;%2&#xa0;» de l’ensemble «&#xa0;%3&#xa0;» renvoie à un prompt qui n’est pas dans le fichier.</translation>
    </message>
</context>
<context>
    <name>ConfigTransferCommand</name>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>The file holds %1.</source>
        <translation>Le fichier contient %1.</translation>
    </message>
    <message>
        <source>Add --merge or --replace to import.</source>
        <translation>Ajoutez --merge ou --replace pour importer.</translation>
    </message>
</context>
<context>
    <name>ConfigTransferDialogs</name>
    <message>
        <source>Export the Wheel Configuration</source>
        <translation>Exporter la configuration de la roue</translation>
    </message>
    <message>
        <source>Import a Wheel Configuration</source>
        <translation>Importer une configuration de la roue</translation>
    </message>
    <message>
        <source>Ringle configurations (*.json);;All files (*)</source>
        <translation>Configurations de Ringle (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>Non exporté</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Exporté</translation>
    </message>
    <message>
        <source>Not Imported</source>
        <translation>Non importé</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importé</translation>
    </message>
</context>
<context>
    <name>ConfigTransferTexts</name>
    <message numerus="yes">
        <source>%n set</source>
        <translation>
            <numerusform>%n ensemble</numerusform>
            <numerusform>%n ensembles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sets</source>
        <translation>
            <numerusform>%n ensemble</numerusform>
            <numerusform>%n ensembles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n key combination</source>
        <translation>
            <numerusform>%n combinaison de touches</numerusform>
            <numerusform>%n combinaisons de touches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n key combinations</source>
        <translation>
            <numerusform>%n combinaison de touches</numerusform>
            <numerusform>%n combinaisons de touches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n prompt</source>
        <translation>
            <numerusform>%n prompt</numerusform>
            <numerusform>%n prompts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n prompts</source>
        <translation>
            <numerusform>%n prompt</numerusform>
            <numerusform>%n prompts</numerusform>
        </translation>
    </message>
    <message>
        <source>and 1 more</source>
        <translation>et 1 autre</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>Import %1?</source>
        <translation>Importer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Sets: %1.</source>
        <translation>Ensembles&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Key combinations: %1.</source>
        <translation>Combinaisons de touches&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Prompts: %1.</source>
        <translation>Prompts&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 adds them to your %2.</source>
        <translation>%1 les ajoute à vos %2.</translation>
    </message>
    <message>
        <source>One of them gets a new id because your configuration already uses its id.</source>
        <translation>L’un d’eux reçoit un nouvel identifiant, car votre configuration utilise déjà le sien.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them get new ids because your configuration already uses their ids.</source>
        <translation>
            <numerusform>%n d’entre eux reçoit un nouvel identifiant, car votre configuration utilise déjà le sien.</numerusform>
            <numerusform>%n d’entre eux reçoivent de nouveaux identifiants, car votre configuration utilise déjà les leurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>These apps and websites stay with the sets of yours they belong to: %1.</source>
        <translation>Ces applications et sites web restent liés à vos ensembles auxquels ils appartiennent&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 is not possible: %2</source>
        <translation>%1 n’est pas possible&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 puts them in place of your %2.</source>
        <translation>%1 les met à la place de vos %2.</translation>
    </message>
    <message>
        <source>Added %1 to your configuration.</source>
        <translation>%1 ajoutés à votre configuration.</translation>
    </message>
    <message>
        <source>Replaced your configuration with %1.</source>
        <translation>Votre configuration a été remplacée par %1.</translation>
    </message>
    <message>
        <source>Your previous configuration is kept in %1.</source>
        <translation>Votre configuration précédente est conservée dans %1.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 exportés vers %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossible d’écrire %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CustomPrompt</name>
    <message>
        <source>Untitled Prompt</source>
        <translation>Prompt sans titre</translation>
    </message>
</context>
<context>
    <name>DesktopBackend</name>
    <message>
        <source>the X11 display could not be used</source>
        <translation>l’affichage X11 n’a pas pu être utilisé</translation>
    </message>
</context>
<context>
    <name>DesktopCapability</name>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Mouse trigger</source>
        <translation>Déclencheur souris</translation>
    </message>
    <message>
        <source>Wheel and panels</source>
        <translation>Roue et panneaux</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Keystrokes</source>
        <translation>Frappes de touches</translation>
    </message>
    <message>
        <source>App in front</source>
        <translation>Application au premier plan</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibilité</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <source>Model server</source>
        <translation>Serveur de modèle</translation>
    </message>
</context>
<context>
    <name>DesktopCheck</name>
    <message>
        <source>the on-device model is chosen, and Linux has none</source>
        <translation>le modèle intégré à l’appareil est choisi, et Linux n’en a pas</translation>
    </message>
    <message>
        <source>Choose a model server under Settings → General → Model.</source>
        <translation>Choisissez un serveur de modèle dans Paramètres → Général → Modèle.</translation>
    </message>
    <message numerus="yes">
        <source>%1 answers, but the chosen model is not one of its %n models</source>
        <translation>
            <numerusform>%1 répond, mais le modèle choisi n’est pas son %n modèle</numerusform>
            <numerusform>%1 répond, mais le modèle choisi n’est pas l’un de ses %n modèles</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose one of its models under Settings → General → Model.</source>
        <translation>Choisissez l’un de ses modèles dans Paramètres → Général → Modèle.</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>Start the model server, or choose another under Settings → General → Model.</source>
        <translation>Lancez le serveur de modèle, ou choisissez-en un autre dans Paramètres → Général → Modèle.</translation>
    </message>
    <message>
        <source>the accessibility bus answers</source>
        <translation>le bus d’accessibilité répond</translation>
    </message>
    <message>
        <source>the selection and the caret cannot be read</source>
        <translation>la sélection et le curseur ne peuvent pas être lus</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Ringle on %1:
</source>
        <translation>Ringle sur %1&#xa0;:
</translation>
    </message>
    <message>
        <source>works</source>
        <translation>fonctionne</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>to do: %1</source>
        <translation>à faire&#xa0;: %1</translation>
    </message>
    <message>
        <source>The wheel, the clipboard and the keys work here.
</source>
        <translation>La roue, le presse-papiers et les touches fonctionnent ici.
</translation>
    </message>
    <message>
        <source>Something Ringle needs does not work here; see above.
</source>
        <translation>Quelque chose dont Ringle a besoin ne fonctionne pas ici&#xa0;; voir ci-dessus.
</translation>
    </message>
    <message>
        <source>Ringle cannot start: %1.
</source>
        <translation>Ringle ne peut pas démarrer&#xa0;: %1.
</translation>
    </message>
</context>
<context>
    <name>FakeInputKeyboard</name>
    <message>
        <source>Ringle copies the selected text and pastes the result with Ctrl+C and Ctrl+V, and sends your key combinations.</source>
        <translation>Ringle copie le texte sélectionné et colle le résultat avec Ctrl+C et Ctrl+V, et envoie vos combinaisons de touches.</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Start Ringle at login</source>
        <translation>Lancer Ringle à la connexion</translation>
    </message>
    <message>
        <source>Ringle</source>
        <translation>Ringle</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Use the set for the current app or website</source>
        <translation>Utiliser l’ensemble de l’application ou du site web actuel</translation>
    </message>
    <message>
        <source>Action Wheel</source>
        <translation>Roue d’actions</translation>
    </message>
    <message>
        <source>Show the result before replacing the text</source>
        <translation>Afficher le résultat avant de remplacer le texte</translation>
    </message>
    <message>
        <source>Proofread, Rewrite and Translate show the result next to the cursor, with Copy and Replace. Turn this off to replace the text right away.</source>
        <translation>Corriger, Reformuler et Traduire affichent le résultat à côté du curseur, avec Copier et Remplacer. Désactivez ceci pour remplacer le texte tout de suite.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Translate to</source>
        <translation>Traduire en</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibilité</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modèle intégré à l’appareil</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Running and turned on</source>
        <translation>Lancé et activé</translation>
    </message>
    <message>
        <source>Running, but turned off: some apps do not share their text</source>
        <translation>Lancé, mais désactivé&#xa0;: certaines applications ne partagent pas leur texte</translation>
    </message>
    <message>
        <source>Not running: install at-spi2-core and log in again</source>
        <translation>Pas lancé&#xa0;: installez at-spi2-core et reconnectez-vous</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Set Shortcut</source>
        <translation>Définir le raccourci</translation>
    </message>
    <message>
        <source>Press keys…</source>
        <translation>Appuyez sur des touches…</translation>
    </message>
    <message>
        <source>The menu item “%1” already uses this shortcut.</source>
        <translation>L’élément de menu «&#xa0;%1&#xa0;» utilise déjà ce raccourci.</translation>
    </message>
    <message>
        <source>Another application or your desktop already uses this shortcut.</source>
        <translation>Une autre application ou votre bureau utilise déjà ce raccourci.</translation>
    </message>
    <message>
        <source>Desktop shortcuts can be changed in your desktop&apos;s keyboard settings.</source>
        <translation>Les raccourcis du bureau se modifient dans les paramètres du clavier de votre bureau.</translation>
    </message>
    <message>
        <source>This shortcut cannot be used.</source>
        <translation>Ce raccourci ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Utiliser quand même</translation>
    </message>
    <message>
        <source>Fn</source>
        <translation>Fn</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
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
        <translation>Effacer</translation>
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
        <translation>Num Entrée</translation>
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
        <translation>continuer</translation>
    </message>
    <message>
        <source>switching protocols</source>
        <translation>changement de protocole</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>created</source>
        <translation>créé</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>non-authoritative information</source>
        <translation>information non certifiée</translation>
    </message>
    <message>
        <source>no content</source>
        <translation>pas de contenu</translation>
    </message>
    <message>
        <source>reset content</source>
        <translation>contenu réinitialisé</translation>
    </message>
    <message>
        <source>partial content</source>
        <translation>contenu partiel</translation>
    </message>
    <message>
        <source>multiple choices</source>
        <translation>choix multiples</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>déplacé définitivement</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>see other</source>
        <translation>voir ailleurs</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>non modifié</translation>
    </message>
    <message>
        <source>temporary redirect</source>
        <translation>redirection temporaire</translation>
    </message>
    <message>
        <source>permanent redirect</source>
        <translation>redirection permanente</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>requête incorrecte</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>non authentifié</translation>
    </message>
    <message>
        <source>payment required</source>
        <translation>paiement requis</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>interdit</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>méthode non autorisée</translation>
    </message>
    <message>
        <source>unacceptable</source>
        <translation>non acceptable</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>délai de la requête dépassé</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflit</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>n’existe plus</translation>
    </message>
    <message>
        <source>length required</source>
        <translation>longueur requise</translation>
    </message>
    <message>
        <source>request too large</source>
        <translation>requête trop volumineuse</translation>
    </message>
    <message>
        <source>requested URL too long</source>
        <translation>adresse demandée trop longue</translation>
    </message>
    <message>
        <source>unsupported media type</source>
        <translation>type de média non pris en charge</translation>
    </message>
    <message>
        <source>unprocessable content</source>
        <translation>contenu impossible à traiter</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>trop de requêtes</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>erreur interne du serveur</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>non implémenté</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>passerelle incorrecte</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>service indisponible</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>délai de la passerelle dépassé</translation>
    </message>
    <message>
        <source>unsupported version</source>
        <translation>version non prise en charge</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>information</translation>
    </message>
    <message>
        <source>success</source>
        <translation>succès</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>redirigé</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>erreur du client</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>erreur du serveur</translation>
    </message>
</context>
<context>
    <name>JsonFields</name>
    <message>
        <source>a custom key combination</source>
        <translation>une combinaison de touches personnelle</translation>
    </message>
    <message>
        <source>a custom prompt</source>
        <translation>un prompt personnel</translation>
    </message>
    <message>
        <source>Unknown result mode &quot;%1&quot;.</source>
        <translation>Mode de résultat inconnu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Value of &quot;%1&quot; is not %2.</source>
        <translation>La valeur de «&#xa0;%1&#xa0;» n’est pas %2.</translation>
    </message>
    <message>
        <source>Expected an object for %1.</source>
        <translation>Un objet était attendu pour %1.</translation>
    </message>
    <message>
        <source>No value for key &quot;%1&quot;.</source>
        <translation>Aucune valeur pour la clé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>un booléen</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>an array of strings</source>
        <translation>une liste de chaînes</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>an integer in range</source>
        <translation>un entier dans les limites</translation>
    </message>
    <message>
        <source>a UUID</source>
        <translation>un UUID</translation>
    </message>
    <message>
        <source>Invalid JSON: %1.</source>
        <translation>JSON non valide&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Expected an array.</source>
        <translation>Une liste était attendue.</translation>
    </message>
    <message>
        <source>a key combination</source>
        <translation>une combinaison de touches</translation>
    </message>
    <message>
        <source>a ring</source>
        <translation>un anneau</translation>
    </message>
    <message>
        <source>a slot</source>
        <translation>un emplacement</translation>
    </message>
    <message>
        <source>Invalid number of keys found, expected one.</source>
        <translation>Nombre de clés non valide, une seule était attendue.</translation>
    </message>
    <message>
        <source>Unknown target language &quot;%1&quot;.</source>
        <translation>Langue cible inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Invalid slot.</source>
        <translation>Emplacement non valide.</translation>
    </message>
    <message>
        <source>a set</source>
        <translation>un ensemble</translation>
    </message>
</context>
<context>
    <name>KGlobalAccelBinder</name>
    <message>
        <source>Open the Action Wheel</source>
        <translation>Ouvrir la roue d’actions</translation>
    </message>
    <message>
        <source>Open the Action Wheel (%1)</source>
        <translation>Ouvrir la roue d’actions (%1)</translation>
    </message>
</context>
<context>
    <name>KeyCombo</name>
    <message>
        <source>Paste and Match</source>
        <translation>Coller adapté</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Capture d’écran</translation>
    </message>
    <message>
        <source>Capture Area</source>
        <translation>Capture de zone</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Émoji</translation>
    </message>
    <message>
        <source>Desktop Left</source>
        <translation>Bureau à gauche</translation>
    </message>
    <message>
        <source>Desktop Right</source>
        <translation>Bureau à droite</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr. écran</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Paste and Match Style</source>
        <translation>Coller en adaptant le style</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Mise en forme</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Capture d’écran</translation>
    </message>
    <message>
        <source>Screenshot: Entire Screen</source>
        <translation>Capture d’écran&#xa0;: écran entier</translation>
    </message>
    <message>
        <source>Screenshot: Selection</source>
        <translation>Capture d’écran&#xa0;: sélection</translation>
    </message>
    <message>
        <source>Screenshot Tool</source>
        <translation>Outil de capture d’écran</translation>
    </message>
    <message>
        <source>Windows and Apps</source>
        <translation>Fenêtres et applications</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nouvel onglet</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Hide App</source>
        <translation>Masquer l’application</translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Forcer à quitter</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Émojis et symboles</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Verrouiller l’écran</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Desktop to the Left</source>
        <translation>Bureau de gauche</translation>
    </message>
    <message>
        <source>Desktop to the Right</source>
        <translation>Bureau de droite</translation>
    </message>
    <message>
        <source>Screenshot: Window</source>
        <translation>Capture d’écran&#xa0;: fenêtre</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Application Launcher</source>
        <translation>Lanceur d’applications</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Switch Windows</source>
        <translation>Changer de fenêtre</translation>
    </message>
</context>
<context>
    <name>KeyComboRecordBox</name>
    <message>
        <source>Click, then press the keys</source>
        <translation>Cliquez, puis appuyez sur les touches</translation>
    </message>
    <message>
        <source>Press the keys…</source>
        <translation>Appuyez sur les touches…</translation>
    </message>
    <message>
        <source>Click to record</source>
        <translation>Cliquez pour enregistrer</translation>
    </message>
</context>
<context>
    <name>KeyComboSheet</name>
    <message>
        <source>Edit Key Combo</source>
        <translation>Modifier la combinaison de touches</translation>
    </message>
    <message>
        <source>New Key Combo</source>
        <translation>Nouvelle combinaison de touches</translation>
    </message>
    <message>
        <source>Shown in the wheel, e.g. Match Style</source>
        <translation>Affiché dans la roue, p. ex. Adapter le style</translation>
    </message>
    <message>
        <source>Click the box to record a new combo. Single keys like S work too. Your desktop catches some of its own shortcuts, such as screenshots or switching windows, before Ringle sees them. Pick those from Key Combos → Default Key Combos in a slot instead.</source>
        <translation>Cliquez dans la case pour enregistrer une nouvelle combinaison. Une seule touche comme S fonctionne aussi. Votre bureau intercepte certains de ses propres raccourcis, comme les captures d’écran ou le changement de fenêtre, avant que Ringle ne les voie. Choisissez-les plutôt dans un emplacement, sous Combinaisons de touches → Combinaisons de touches par défaut.</translation>
    </message>
</context>
<context>
    <name>KeyModifiers</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
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
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Ringle cannot start: %1.</source>
        <translation>Ringle ne peut pas démarrer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Ringle quits: %1.</source>
        <translation>Ringle quitte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Ringle is already running.
</source>
        <translation>Ringle est déjà lancé.
</translation>
    </message>
</context>
<context>
    <name>LocalModelClient</name>
    <message>
        <source>the server&apos;s answer could not be read (%1)</source>
        <translation>la réponse du serveur n’a pas pu être lue (%1)</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>la réponse dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not HTTP</source>
        <translation>la réponse du serveur n’est pas du HTTP</translation>
    </message>
    <message>
        <source>the local model server</source>
        <translation>le serveur de modèle local</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>&quot;choices&quot; is missing</source>
        <translation>«&#xa0;choices&#xa0;» manque</translation>
    </message>
    <message>
        <source>a choice has no message</source>
        <translation>un choix n’a pas de message</translation>
    </message>
    <message>
        <source>a message&apos;s content is not text</source>
        <translation>le contenu d’un message n’est pas du texte</translation>
    </message>
    <message>
        <source>&quot;data&quot; is missing</source>
        <translation>«&#xa0;data&#xa0;» manque</translation>
    </message>
    <message>
        <source>a model has no id</source>
        <translation>un modèle n’a pas d’identifiant</translation>
    </message>
</context>
<context>
    <name>ModelSettingsSection</name>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nom du modèle</translation>
    </message>
    <message>
        <source>Refresh the list of models</source>
        <translation>Actualiser la liste des modèles</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>On-device model (not available on Linux)</source>
        <translation>Modèle intégré à l’appareil (indisponible sous Linux)</translation>
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
        <translation>Autre (compatible OpenAI)</translation>
    </message>
    <message>
        <source>Linux has no on-device model. LM Studio and Ollama run larger models on this computer, so your text still never leaves it.</source>
        <translation>Linux n’a pas de modèle intégré à l’appareil. LM Studio et Ollama font tourner de plus grands modèles sur cet ordinateur&#xa0;: votre texte ne le quitte donc jamais.</translation>
    </message>
    <message>
        <source>Start the server in %1 and load a model first. The model is used for every action, including Ask.</source>
        <translation>Lancez d’abord le serveur dans %1 et chargez un modèle. Le modèle sert à chaque action, Demander compris.</translation>
    </message>
    <message>
        <source>The server address isn&apos;t valid.</source>
        <translation>L’adresse du serveur n’est pas valide.</translation>
    </message>
    <message>
        <source>Connected, but no models are available. Load or download a model first.</source>
        <translation>Connecté, mais aucun modèle n’est disponible. Chargez ou téléchargez d’abord un modèle.</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>No models found</source>
        <translation>Aucun modèle trouvé</translation>
    </message>
</context>
<context>
    <name>MutterRemoteDesktop</name>
    <message>
        <source>GNOME Shell did not start a remote desktop session within %1 ms</source>
        <translation>GNOME Shell n’a pas démarré de session de bureau à distance en %1 ms</translation>
    </message>
    <message>
        <source>GNOME Shell&apos;s remote desktop service went away</source>
        <translation>le service de bureau à distance de GNOME Shell a disparu</translation>
    </message>
    <message>
        <source>there is no session bus</source>
        <translation>il n’y a pas de bus de session</translation>
    </message>
    <message>
        <source>GNOME Shell made no remote desktop session: %1</source>
        <translation>GNOME Shell n’a pas créé de session de bureau à distance&#xa0;: %1</translation>
    </message>
    <message>
        <source>GNOME Shell did not start the remote desktop session: %1</source>
        <translation>GNOME Shell n’a pas démarré la session de bureau à distance&#xa0;: %1</translation>
    </message>
    <message>
        <source>no remote desktop session with GNOME Shell was asked for yet</source>
        <translation>aucune session de bureau à distance n’a encore été demandée à GNOME Shell</translation>
    </message>
    <message>
        <source>the remote desktop session with GNOME Shell is still starting</source>
        <translation>la session de bureau à distance avec GNOME Shell démarre encore</translation>
    </message>
    <message>
        <source>GNOME Shell closed the remote desktop session</source>
        <translation>GNOME Shell a fermé la session de bureau à distance</translation>
    </message>
</context>
<context>
    <name>OnDeviceModel</name>
    <message>
        <source>Linux has no on-device model; choose Ollama, LM Studio or another local server under Settings → General → Model</source>
        <translation>Linux n’a pas de modèle intégré à l’appareil&#xa0;; choisissez Ollama, LM Studio ou un autre serveur local dans Paramètres → Général → Modèle</translation>
    </message>
</context>
<context>
    <name>PortalShortcutBinder</name>
    <message>
        <source>Open the action wheel</source>
        <translation>Ouvrir la roue d’actions</translation>
    </message>
</context>
<context>
    <name>PromptSheet</name>
    <message>
        <source>Edit Prompt</source>
        <translation>Modifier le prompt</translation>
    </message>
    <message>
        <source>New Prompt</source>
        <translation>Nouveau prompt</translation>
    </message>
    <message>
        <source>Replace the text</source>
        <translation>Remplacer le texte</translation>
    </message>
    <message>
        <source>Show next to the cursor</source>
        <translation>Afficher à côté du curseur</translation>
    </message>
    <message>
        <source>Keep the language of the text</source>
        <translation>Garder la langue du texte</translation>
    </message>
    <message>
        <source>Shown in the wheel, e.g. Make Formal</source>
        <translation>Affiché dans la roue, p. ex. Plus formel</translation>
    </message>
    <message>
        <source>e.g. Make it more formal, then shorten it to at most three sentences.</source>
        <translation>p. ex. Rends-le plus formel, puis raccourcis-le à trois phrases au plus.</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Instruction</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Turn this off for prompts that should answer in another language, like &quot;translate to German&quot;.</source>
        <translation>Désactivez ceci pour les prompts qui doivent répondre dans une autre langue, comme «&#xa0;traduire en allemand&#xa0;».</translation>
    </message>
</context>
<context>
    <name>RecordListPage</name>
    <message>
        <source>Show next to the cursor</source>
        <translation>Afficher à côté du curseur</translation>
    </message>
    <message>
        <source>Replace the text</source>
        <translation>Remplacer le texte</translation>
    </message>
    <message>
        <source>Key Combos</source>
        <translation>Combinaisons de touches</translation>
    </message>
    <message>
        <source>Add them to a ring: pick a slot, then Key Combos → My Key Combos.</source>
        <translation>Ajoutez-les à un anneau&#xa0;: choisissez un emplacement, puis Combinaisons de touches → Mes combinaisons de touches.</translation>
    </message>
    <message>
        <source>Add Key Combo…</source>
        <translation>Ajouter une combinaison de touches…</translation>
    </message>
    <message>
        <source>No key combos yet</source>
        <translation>Pas encore de combinaisons de touches</translation>
    </message>
    <message>
        <source>Prompts</source>
        <translation>Prompts</translation>
    </message>
    <message>
        <source>Your own instructions for the selected text. Add them to a ring: pick a slot, then Prompts.</source>
        <translation>Vos propres instructions pour le texte sélectionné. Ajoutez-les à un anneau&#xa0;: choisissez un emplacement, puis Prompts.</translation>
    </message>
    <message>
        <source>Add Prompt…</source>
        <translation>Ajouter un prompt…</translation>
    </message>
    <message>
        <source>No prompts yet</source>
        <translation>Pas encore de prompts</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>ResultPanelWindow</name>
    <message>
        <source>Hide Changes</source>
        <translation>Masquer les modifications</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show Changes</source>
        <translation>Afficher les modifications</translation>
    </message>
    <message>
        <source>No changes.</source>
        <translation>Aucune modification.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>RingEditor</name>
    <message>
        <source>Use for text you can&apos;t edit</source>
        <translation>Utiliser pour le texte non modifiable</translation>
    </message>
    <message>
        <source>The wheel starts on this ring when the selected text can&apos;t be edited, like text on a web page. Only one ring can have this.</source>
        <translation>La roue commence par cet anneau quand le texte sélectionné n’est pas modifiable, comme le texte d’une page web. Un seul anneau peut avoir cette option.</translation>
    </message>
    <message>
        <source>e.g. Text, Sketch, View</source>
        <translation>p. ex. Texte, Croquis, Vue</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
</context>
<context>
    <name>RingleApp</name>
    <message>
        <source>No model server found. Start Ollama or LM Studio, or choose a server in Settings…</source>
        <translation>Aucun serveur de modèle trouvé. Lancez Ollama ou LM Studio, ou choisissez un serveur dans les paramètres…</translation>
    </message>
</context>
<context>
    <name>RingleError</name>
    <message>
        <source>Apple Intelligence is unavailable (%1).</source>
        <translation>Apple Intelligence est indisponible (%1).</translation>
    </message>
    <message>
        <source>The text is already in %1.</source>
        <translation>Le texte est déjà en %1.</translation>
    </message>
    <message>
        <source>The shortcut failed: %1</source>
        <translation>Le raccourci a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>The response wasn&apos;t in %1, so nothing was replaced.</source>
        <translation>La réponse n’était pas en %1&#xa0;: rien n’a été remplacé.</translation>
    </message>
    <message>
        <source>Can&apos;t reach %1. Is it running, with its server started?</source>
        <translation>Impossible de joindre %1. Est-il lancé, avec son serveur démarré&#xa0;?</translation>
    </message>
    <message>
        <source>The local model failed: %1</source>
        <translation>Le modèle local a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>No text selected, or the app doesn&apos;t allow copying.</source>
        <translation>Aucun texte sélectionné, ou l’application n’autorise pas la copie.</translation>
    </message>
    <message>
        <source>You switched apps while the AI was working. The result is on the clipboard.</source>
        <translation>Vous avez changé d’application pendant que l’IA travaillait. Le résultat est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The response didn&apos;t look like a correction, so nothing was replaced.</source>
        <translation>La réponse ne ressemblait pas à une correction&#xa0;: rien n’a été remplacé.</translation>
    </message>
    <message>
        <source>The text is too long. Select less text and try again.</source>
        <translation>Le texte est trop long. Sélectionnez moins de texte et réessayez.</translation>
    </message>
    <message>
        <source>Choose a model under Settings → General → Model.</source>
        <translation>Choisissez un modèle dans Paramètres → Général → Modèle.</translation>
    </message>
</context>
<context>
    <name>SetEditor</name>
    <message>
        <source>Used when no other set belongs to the app or website in front.</source>
        <translation>Utilisé quand aucun autre ensemble n’appartient à l’application ou au site web au premier plan.</translation>
    </message>
    <message>
        <source>e.g. CAD, Mail, Code</source>
        <translation>p. ex. CAO, Courriel, Code</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Ajouter une application</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ex. %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Anneaux</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>The wheel shows this set&apos;s rings when one of these apps is in front. An app can only belong to one set.</source>
        <translation>La roue affiche les anneaux de cet ensemble quand l’une de ces applications est au premier plan. Une application ne peut appartenir qu’à un seul ensemble.</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Sites web</translation>
    </message>
    <message>
        <source>The wheel shows this set&apos;s rings when Safari, Chrome or another browser in front shows one of these websites, including subdomains. Websites come before apps. A website can only belong to one set.</source>
        <translation>La roue affiche les anneaux de cet ensemble quand Safari, Chrome ou un autre navigateur au premier plan affiche l’un de ces sites web, sous-domaines compris. Les sites web passent avant les applications. Un site web ne peut appartenir qu’à un seul ensemble.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Remove app</source>
        <translation>Retirer l’application</translation>
    </message>
    <message>
        <source>Remove website</source>
        <translation>Retirer le site web</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
</context>
<context>
    <name>SettingKey</name>
    <message>
        <source>%1 takes an address such as http://127.0.0.1:11434, or nothing for the provider&apos;s usual one; &quot;%2&quot; has no host.</source>
        <translation>%1 attend une adresse comme http://127.0.0.1:11434, ou rien pour l’adresse habituelle du fournisseur&#xa0;; «&#xa0;%2&#xa0;» n’a pas d’hôte.</translation>
    </message>
    <message>
        <source>%1 takes false (no shortcut) or JSON such as %2, not &quot;%3&quot;.</source>
        <translation>%1 attend false (aucun raccourci) ou du JSON comme %2, pas «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>%1 takes false (no shortcut) or JSON such as %2: %3</source>
        <translation>%1 attend false (aucun raccourci) ou du JSON comme %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 takes true or false, not &quot;%2&quot;.</source>
        <translation>%1 attend true ou false, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 takes one of %2, not &quot;%3&quot;.</source>
        <translation>%1 attend l’une des valeurs %2, pas «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>%1 is not valid: %2</source>
        <translation>%1 n’est pas valide&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to 15 (control 1, option 2, shift 4, command 8, added up), not &quot;%2&quot;.</source>
        <translation>%1 attend un entier de 0 à 15 (Ctrl 1, Alt 2, Maj 4, Super 8, additionnés), pas «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Action Wheel</source>
        <translation>Roue d’actions</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>ShellExtension</name>
    <message>
        <source>Ringle&apos;s GNOME Shell extension is not enabled</source>
        <translation>l’extension GNOME Shell de Ringle n’est pas activée</translation>
    </message>
    <message>
        <source>it did not answer</source>
        <translation>elle n’a pas répondu</translation>
    </message>
    <message>
        <source>Ringle&apos;s GNOME Shell extension refused Ringle: %1</source>
        <translation>l’extension GNOME Shell de Ringle a refusé Ringle&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ShortcutsCLI</name>
    <message>
        <source>All Shortcuts</source>
        <translation>Tous les raccourcis</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder %1: %2.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2.</source>
        <translation>Impossible d’écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its output is larger than %1 MB.</source>
        <translation>sa sortie dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Couldn&apos;t start %1: %2.</source>
        <translation>Impossible de lancer %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SlotDispatcher</name>
    <message>
        <source>Translating to %1…</source>
        <translation>Traduction en %1…</translation>
    </message>
    <message>
        <source>Couldn&apos;t find the app.</source>
        <translation>Application introuvable.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation>Impossible d’ouvrir %1.</translation>
    </message>
    <message>
        <source>Running %1…</source>
        <translation>Exécution de %1…</translation>
    </message>
</context>
<context>
    <name>SlotMenu</name>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Website…</source>
        <translation>Site web…</translation>
    </message>
    <message>
        <source>Translate to</source>
        <translation>Traduire en</translation>
    </message>
    <message>
        <source>Prompts</source>
        <translation>Prompts</translation>
    </message>
    <message>
        <source>No prompts yet</source>
        <translation>Pas encore de prompts</translation>
    </message>
    <message>
        <source>New Prompt…</source>
        <translation>Nouveau prompt…</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Loading shortcuts…</source>
        <translation>Chargement des raccourcis…</translation>
    </message>
    <message>
        <source>No shortcuts found</source>
        <translation>Aucun raccourci trouvé</translation>
    </message>
    <message>
        <source>Key Combos</source>
        <translation>Combinaisons de touches</translation>
    </message>
    <message>
        <source>My Key Combos</source>
        <translation>Mes combinaisons de touches</translation>
    </message>
    <message>
        <source>No key combos yet</source>
        <translation>Pas encore de combinaisons de touches</translation>
    </message>
    <message>
        <source>New Key Combo…</source>
        <translation>Nouvelle combinaison de touches…</translation>
    </message>
    <message>
        <source>Default Key Combos</source>
        <translation>Combinaisons de touches par défaut</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
</context>
<context>
    <name>SymbolButton</name>
    <message>
        <source>Choose a symbol</source>
        <translation>Choisir un symbole</translation>
    </message>
</context>
<context>
    <name>SymbolCatalog</name>
    <message>
        <source>Editing</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Windows and Apps</source>
        <translation>Fenêtres et applications</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Clavier et souris</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Code and Math</source>
        <translation>Code et maths</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Médias</translation>
    </message>
    <message>
        <source>Tools and Objects</source>
        <translation>Outils et objets</translation>
    </message>
    <message>
        <source>Shapes and Symbols</source>
        <translation>Formes et symboles</translation>
    </message>
    <message>
        <source>Nature and Places</source>
        <translation>Nature et lieux</translation>
    </message>
</context>
<context>
    <name>SymbolPicker</name>
    <message>
        <source>No symbols found</source>
        <translation>Aucun symbole trouvé</translation>
    </message>
    <message>
        <source>Search symbols, e.g. arrow, doc, star</source>
        <translation>Rechercher des symboles, p. ex. arrow, doc, star</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Ringle: no system tray is available; the icon appears when one starts. Open the settings with &quot;ringle --settings&quot;.
</source>
        <translation>Ringle&#xa0;: aucune zone de notification n’est disponible&#xa0;; l’icône apparaîtra dès qu’il y en aura une. Ouvrez les paramètres avec «&#xa0;ringle --settings&#xa0;».
</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Undo Last Replace</source>
        <translation>Annuler le dernier remplacement</translation>
    </message>
    <message>
        <source>Recent Results</source>
        <translation>Résultats récents</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit Ringle</source>
        <translation>Quitter Ringle</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>En cours…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A recent result in the tray: the action that made it and the start of its text.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Copy this result</source>
        <translation>Copier ce résultat</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
</context>
<context>
    <name>WaylandConnection</name>
    <message>
        <source>the compositor ended the connection over a protocol error (%1 %2, code %3)</source>
        <translation>le compositeur a mis fin à la connexion sur une erreur de protocole (%1 %2, code %3)</translation>
    </message>
    <message>
        <source>the connection to the compositor was lost (%1)</source>
        <translation>la connexion au compositeur a été perdue (%1)</translation>
    </message>
</context>
<context>
    <name>WaylandDesktop</name>
    <message>
        <source>KWin grants its fake input to programs whose desktop entry asks for it: install Ringle&apos;s package (or, for a build of your own, run scripts/run once), then start Ringle again.</source>
        <translation>KWin accorde son entrée simulée aux programmes dont le fichier .desktop la demande&#xa0;: installez le paquet de Ringle (ou, pour votre propre compilation, lancez une fois scripts/run), puis relancez Ringle.</translation>
    </message>
    <message>
        <source>a virtual keyboard with your keymap</source>
        <translation>un clavier virtuel avec votre disposition</translation>
    </message>
    <message>
        <source>KWin&apos;s fake input, with your keymap</source>
        <translation>l’entrée simulée de KWin, avec votre disposition</translation>
    </message>
    <message>
        <source>through Ringle&apos;s GNOME Shell extension, with your keymap</source>
        <translation>par l’extension GNOME Shell de Ringle, avec votre disposition</translation>
    </message>
    <message>
        <source>Ringle&apos;s GNOME Shell extension is off</source>
        <translation>l’extension GNOME Shell de Ringle est désactivée</translation>
    </message>
    <message>
        <source>KWin has not granted Ringle its fake input</source>
        <translation>KWin n’a pas accordé son entrée simulée à Ringle</translation>
    </message>
    <message>
        <source>the compositor offers no virtual keyboard</source>
        <translation>le compositeur n’offre pas de clavier virtuel</translation>
    </message>
    <message>
        <source>Use a compositor that offers zwp_virtual_keyboard_v1, or start Ringle with --backend=x11 to work in XWayland apps.</source>
        <translation>Utilisez un compositeur qui offre zwp_virtual_keyboard_v1, ou lancez Ringle avec --backend=x11 pour travailler dans les applications XWayland.</translation>
    </message>
    <message>
        <source>Or start Ringle again and allow the keyboard when the desktop asks.</source>
        <translation>Ou relancez Ringle et autorisez le clavier quand le bureau le demande.</translation>
    </message>
    <message>
        <source>Start Ringle again and allow the keyboard when the desktop asks.</source>
        <translation>Relancez Ringle et autorisez le clavier quand le bureau le demande.</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal, which you allowed before</source>
        <translation>le portail RemoteDesktop, que vous avez autorisé auparavant</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal (the desktop may ask you to allow it when Ringle starts)</source>
        <translation>le portail RemoteDesktop (le bureau peut vous demander de l’autoriser au lancement de Ringle)</translation>
    </message>
    <message>
        <source>waiting for you to allow Ringle to control the keyboard</source>
        <translation>en attente de votre autorisation pour que Ringle contrôle le clavier</translation>
    </message>
    <message>
        <source>Answer the desktop&apos;s question about remote control: allow the keyboard.</source>
        <translation>Répondez à la question du bureau sur le contrôle à distance&#xa0;: autorisez le clavier.</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal, with your keymap</source>
        <translation>le portail RemoteDesktop, avec votre disposition</translation>
    </message>
    <message>
        <source>Ringle was not allowed to control the keyboard</source>
        <translation>Ringle n’a pas été autorisé à contrôler le clavier</translation>
    </message>
    <message>
        <source>the RemoteDesktop portal ended Ringle&apos;s session</source>
        <translation>le portail RemoteDesktop a mis fin à la session de Ringle</translation>
    </message>
    <message>
        <source>bound in GNOME Shell by Ringle&apos;s extension</source>
        <translation>associé dans GNOME Shell par l’extension de Ringle</translation>
    </message>
    <message>
        <source>GNOME Shell gives clicks in a window to that window alone</source>
        <translation>GNOME Shell ne donne les clics dans une fenêtre qu’à cette fenêtre</translation>
    </message>
    <message>
        <source>Open the wheel with the keyboard shortcut.</source>
        <translation>Ouvrez la roue avec le raccourci clavier.</translation>
    </message>
    <message>
        <source>shown by Ringle&apos;s GNOME Shell extension</source>
        <translation>affiché par l’extension GNOME Shell de Ringle</translation>
    </message>
    <message>
        <source>from Ringle&apos;s GNOME Shell extension</source>
        <translation>par l’extension GNOME Shell de Ringle</translation>
    </message>
    <message>
        <source>a StatusNotifierItem tray runs</source>
        <translation>une zone de notification StatusNotifierItem est lancée</translation>
    </message>
    <message>
        <source>GNOME shows no tray icons of its own</source>
        <translation>GNOME n’affiche pas d’icônes de notification par lui-même</translation>
    </message>
    <message>
        <source>Install and turn on a GNOME Shell extension for tray icons (&quot;AppIndicator and KStatusNotifierItem Support&quot;); meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Installez et activez une extension GNOME Shell pour les icônes de notification («&#xa0;AppIndicator and KStatusNotifierItem Support&#xa0;»)&#xa0;; en attendant, «&#xa0;ringle --settings&#xa0;» ouvre les paramètres.</translation>
    </message>
    <message>
        <source>Mutter&apos;s remote desktop session: %1</source>
        <translation>la session de bureau à distance de Mutter&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start Ringle again; if this stays, GNOME Shell may need to be restarted (log out and in).</source>
        <translation>Relancez Ringle&#xa0;; si cela persiste, GNOME Shell doit peut-être être redémarré (déconnectez-vous puis reconnectez-vous).</translation>
    </message>
    <message>
        <source>through Mutter&apos;s remote desktop session, every type</source>
        <translation>par la session de bureau à distance de Mutter, tous les types</translation>
    </message>
    <message>
        <source>through Mutter&apos;s remote desktop session, with your keymap</source>
        <translation>par la session de bureau à distance de Mutter, avec votre disposition</translation>
    </message>
    <message>
        <source>over ext-data-control</source>
        <translation>par ext-data-control</translation>
    </message>
    <message>
        <source>over wlr-data-control</source>
        <translation>par wlr-data-control</translation>
    </message>
    <message>
        <source>the compositor offers no data-control protocol</source>
        <translation>le compositeur n’offre pas de protocole data-control</translation>
    </message>
    <message>
        <source>Use a compositor that offers ext-data-control-v1 or wlr-data-control, or start Ringle with --backend=x11 to work in XWayland apps.</source>
        <translation>Utilisez un compositeur qui offre ext-data-control-v1 ou wlr-data-control, ou lancez Ringle avec --backend=x11 pour travailler dans les applications XWayland.</translation>
    </message>
    <message>
        <source>bound in sway over its IPC</source>
        <translation>associé dans sway par son IPC</translation>
    </message>
    <message>
        <source>bound in KWin&apos;s global shortcuts (Plasma&apos;s shortcut settings list it)</source>
        <translation>associé dans les raccourcis globaux de KWin (les paramètres de raccourcis de Plasma le listent)</translation>
    </message>
    <message>
        <source>bound through the desktop&apos;s GlobalShortcuts portal</source>
        <translation>associé par le portail GlobalShortcuts du bureau</translation>
    </message>
    <message>
        <source>this compositor lets no program bind keys</source>
        <translation>ce compositeur ne laisse aucun programme associer des touches</translation>
    </message>
    <message>
        <source>Bind &quot;ringle wheel press&quot; to a key and &quot;ringle wheel release&quot; to its release in the compositor&apos;s configuration (the README has the lines).</source>
        <translation>Associez «&#xa0;ringle wheel press&#xa0;» à une touche et «&#xa0;ringle wheel release&#xa0;» à son relâchement dans la configuration du compositeur (le README donne les lignes).</translation>
    </message>
    <message>
        <source>bound in sway for the whole window</source>
        <translation>associé dans sway pour toute la fenêtre</translation>
    </message>
    <message>
        <source>KWin lets no program bind a mouse button</source>
        <translation>KWin ne laisse aucun programme associer un bouton de souris</translation>
    </message>
    <message>
        <source>this compositor lets no program bind a mouse button</source>
        <translation>ce compositeur ne laisse aucun programme associer un bouton de souris</translation>
    </message>
    <message>
        <source>Open the wheel with the shortcut.</source>
        <translation>Ouvrez la roue avec le raccourci.</translation>
    </message>
    <message>
        <source>layer-shell surfaces (version %1)</source>
        <translation>surfaces layer-shell (version %1)</translation>
    </message>
    <message>
        <source>from sway&apos;s tree</source>
        <translation>par l’arbre de sway</translation>
    </message>
    <message>
        <source>from Ringle&apos;s KWin script</source>
        <translation>par le script KWin de Ringle</translation>
    </message>
    <message>
        <source>from the compositor&apos;s list of windows</source>
        <translation>par la liste des fenêtres du compositeur</translation>
    </message>
    <message>
        <source>the compositor does not tell which window is in front</source>
        <translation>le compositeur n’indique pas quelle fenêtre est au premier plan</translation>
    </message>
    <message>
        <source>Sets bound to apps are not chosen here; the default set opens instead.</source>
        <translation>Les ensembles liés à des applications ne sont pas choisis ici&#xa0;; c’est l’ensemble par défaut qui s’ouvre.</translation>
    </message>
    <message>
        <source>no tray runs</source>
        <translation>aucune zone de notification n’est lancée</translation>
    </message>
    <message>
        <source>Add the System Tray widget to a Plasma panel; meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Ajoutez le composant graphique «&#xa0;Boîte à miniatures&#xa0;» à un tableau de bord Plasma&#xa0;; en attendant, «&#xa0;ringle --settings&#xa0;» ouvre les paramètres.</translation>
    </message>
    <message>
        <source>Start a panel with a tray (waybar&apos;s tray module, or swaybar); meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Lancez une barre avec une zone de notification (le module tray de waybar, ou swaybar)&#xa0;; en attendant, «&#xa0;ringle --settings&#xa0;» ouvre les paramètres.</translation>
    </message>
</context>
<context>
    <name>WaylandPlatform</name>
    <message>
        <source>no Wayland compositor answered</source>
        <translation>aucun compositeur Wayland n’a répondu</translation>
    </message>
    <message>
        <source>the compositor lacks %1</source>
        <translation>il manque %1 au compositeur</translation>
    </message>
    <message>
        <source>the compositor offers no seat</source>
        <translation>le compositeur n’offre pas de siège</translation>
    </message>
</context>
<context>
    <name>WebsiteSheet</name>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ex. %1</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Opens in your default browser. Addresses like notion:// open in their app. Ringle fetches the site&apos;s icon once, when you save.</source>
        <translation>S’ouvre dans votre navigateur par défaut. Les adresses comme notion:// s’ouvrent dans leur application. Ringle récupère l’icône du site une fois, à l’enregistrement.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>WheelConfig</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>WheelDemo</name>
    <message>
        <source>ringle: --demo-wheel cannot start: %1</source>
        <translation>ringle&#xa0;: --demo-wheel ne peut pas démarrer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WheelGeometry</name>
    <message>
        <source>Whole ring</source>
        <translation>Anneau entier</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
</context>
<context>
    <name>WheelItemDisplay</name>
    <message>
        <source>Proofread</source>
        <translation>Corriger</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Reformuler</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Traduire</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Expliquer</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>Résumer</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>Removed Key Combo</source>
        <translation>Combinaison de touches retirée</translation>
    </message>
    <message>
        <source>Removed Prompt</source>
        <translation>Prompt retiré</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>translate</source>
        <translation>traduire</translation>
    </message>
    <message>
        <source>shortcut</source>
        <translation>raccourci</translation>
    </message>
    <message>
        <source>Translate (default language)</source>
        <translation>Traduire (langue par défaut)</translation>
    </message>
    <message>
        <source>Translate to %1</source>
        <translation>Traduire en %1</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WheelMouseRow</name>
    <message>
        <source>Mouse button</source>
        <translation>Bouton de la souris</translation>
    </message>
    <message>
        <source>Hold the keyboard shortcut, or %1, then move the mouse in a direction and release. Scroll to switch rings. Release in the center to cancel.</source>
        <translation>Maintenez le raccourci clavier, ou %1, puis déplacez la souris dans une direction et relâchez. Faites défiler pour changer d’anneau. Relâchez au centre pour annuler.</translation>
    </message>
    <message>
        <source>Hold the keyboard shortcut, then move the mouse in a direction and release. Scroll to switch rings. Release in the center to cancel.</source>
        <translation>Maintenez le raccourci clavier, puis déplacez la souris dans une direction et relâchez. Faites défiler pour changer d’anneau. Relâchez au centre pour annuler.</translation>
    </message>
</context>
<context>
    <name>WheelMouseSettings</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>right-click</source>
        <translation>clic droit</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Bouton du milieu</translation>
    </message>
    <message>
        <source>middle-click</source>
        <translation>clic du milieu</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Bouton 4</translation>
    </message>
    <message>
        <source>press button 4</source>
        <translation>appuyer sur le bouton 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Bouton 5</translation>
    </message>
    <message>
        <source>press button 5</source>
        <translation>appuyer sur le bouton 5</translation>
    </message>
    <message>
        <source>hold %1 and %2</source>
        <translation>maintenir %1 et %2</translation>
    </message>
</context>
<context>
    <name>WheelOverlay</name>
    <message>
        <source>Ringle Wheel</source>
        <translation>Roue Ringle</translation>
    </message>
</context>
<context>
    <name>WheelSettingsView</name>
    <message>
        <source>Select a set or ring</source>
        <translation>Sélectionnez un ensemble ou un anneau</translation>
    </message>
    <message>
        <source>New Ring</source>
        <translation>Nouvel anneau</translation>
    </message>
    <message>
        <source>New Set</source>
        <translation>Nouvel ensemble</translation>
    </message>
    <message>
        <source>Add a ring or a set</source>
        <translation>Ajouter un anneau ou un ensemble</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>The wheel settings were changed outside this window. The editor now shows them as they are stored; your next change applies to them.</source>
        <translation>Les paramètres de la roue ont été modifiés en dehors de cette fenêtre. L’éditeur les affiche maintenant tels qu’ils sont enregistrés&#xa0;; votre prochaine modification s’y applique.</translation>
    </message>
    <message>
        <source>Remove the set %1?</source>
        <translation>Retirer l’ensemble %1&#xa0;?</translation>
    </message>
    <message>
        <source>Its rings are removed too.</source>
        <translation>Ses anneaux sont retirés aussi.</translation>
    </message>
    <message>
        <source>Remove Set and Its Rings</source>
        <translation>Retirer l’ensemble et ses anneaux</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Déplacer vers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Save the sets, key combinations and prompts to a file</source>
        <translation>Enregistrer les ensembles, combinaisons de touches et prompts dans un fichier</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Add or replace the sets, key combinations and prompts from a file</source>
        <translation>Ajouter ou remplacer les ensembles, combinaisons de touches et prompts depuis un fichier</translation>
    </message>
</context>
<context>
    <name>WheelSidebar</name>
    <message>
        <source>Key Combos</source>
        <translation>Combinaisons de touches</translation>
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
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>New Set</source>
        <translation>Nouvel ensemble</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 copie</translation>
    </message>
    <message>
        <source>New Ring</source>
        <translation>Nouvel anneau</translation>
    </message>
    <message>
        <source>The list needs at least the default set.</source>
        <translation>La liste doit contenir au moins l’ensemble par défaut.</translation>
    </message>
    <message>
        <source>At most %1 sets are allowed.</source>
        <translation>%1 ensembles au plus sont permis.</translation>
    </message>
    <message>
        <source>Set &quot;%1&quot; has %2 rings; a set has 1 to %3.</source>
        <translation>L’ensemble «&#xa0;%1&#xa0;» a %2 anneaux&#xa0;; un ensemble en a de 1 à %3.</translation>
    </message>
    <message>
        <source>Ring &quot;%1&quot; has %2 slots; a ring has %3 to %4.</source>
        <translation>L’anneau «&#xa0;%1&#xa0;» a %2 emplacements&#xa0;; un anneau en a de %3 à %4.</translation>
    </message>
</context>
<context>
    <name>X11Desktop</name>
    <message>
        <source>&quot;ringle doctor --backend=wayland&quot; says what this compositor lacks for Ringle to run on Wayland.</source>
        <translation>«&#xa0;ringle doctor --backend=wayland&#xa0;» indique ce qui manque à ce compositeur pour que Ringle fonctionne sous Wayland.</translation>
    </message>
    <message>
        <source>bound through the desktop&apos;s GlobalShortcuts portal</source>
        <translation>associé par le portail GlobalShortcuts du bureau</translation>
    </message>
    <message>
        <source>grabbed from the X server</source>
        <translation>capturé auprès du serveur X</translation>
    </message>
    <message>
        <source>grabbed from XWayland, so it works only while an XWayland app is in front</source>
        <translation>capturé auprès de XWayland&#xa0;: il ne fonctionne que tant qu’une application XWayland est au premier plan</translation>
    </message>
    <message>
        <source>the X server has no XTest extension</source>
        <translation>le serveur X n’a pas l’extension XTest</translation>
    </message>
    <message>
        <source>Use an X server with the XTest extension (every desktop&apos;s has it).</source>
        <translation>Utilisez un serveur X avec l’extension XTest (celui de tout bureau l’a).</translation>
    </message>
    <message>
        <source>XTest</source>
        <translation>XTest</translation>
    </message>
    <message>
        <source>XTest, which reaches only the XWayland apps</source>
        <translation>XTest, qui n’atteint que les applications XWayland</translation>
    </message>
    <message>
        <source>translucent windows (a compositor runs)</source>
        <translation>fenêtres translucides (un compositeur est lancé)</translation>
    </message>
    <message>
        <source>shaped windows</source>
        <translation>fenêtres découpées</translation>
    </message>
    <message>
        <source>the CLIPBOARD selection</source>
        <translation>la sélection CLIPBOARD</translation>
    </message>
    <message>
        <source>the window manager&apos;s active window</source>
        <translation>la fenêtre active du gestionnaire de fenêtres</translation>
    </message>
    <message>
        <source>a system tray runs</source>
        <translation>une zone de notification est lancée</translation>
    </message>
    <message>
        <source>no system tray runs</source>
        <translation>aucune zone de notification n’est lancée</translation>
    </message>
    <message>
        <source>Start a panel with a system tray; meanwhile &quot;ringle --settings&quot; opens the settings.</source>
        <translation>Lancez un tableau de bord avec une zone de notification&#xa0;; en attendant, «&#xa0;ringle --settings&#xa0;» ouvre les paramètres.</translation>
    </message>
</context>
</TS>
