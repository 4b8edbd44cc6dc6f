<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Cipher machine Q417</source>
        <translation>Chiffriermaschine Q417</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A simulator of the rotor cipher machine</source>
        <translation>Simulator der Rotor-Chiffriermaschine</translation>
    </message>
    <message>
        <source>Machine model, pictures</source>
        <translation>Maschinenmodell, Bilder</translation>
    </message>
    <message>
        <source>and sounds: the Q417 team</source>
        <translation>und Klänge: das Q417-Team</translation>
    </message>
    <message>
        <source>Built with Qt 6 and libjpeg</source>
        <translation>Erstellt mit Qt 6 und libjpeg</translation>
    </message>
    <message>
        <source>Free software, MIT licence</source>
        <translation>Freie Software, MIT-Lizenz</translation>
    </message>
    <message>
        <source>Guide  F1</source>
        <translation>Hilfe  F1</translation>
    </message>
    <message>
        <source>how to work the machine</source>
        <translation>wie man die Maschine bedient</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>clear punch card</source>
        <translation>Lochkarte leeren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>insert triangle</source>
        <translation>Dreieck einsetzen</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Show unaccessible points</source>
        <translation>Unerreichbare Punkte zeigen</translation>
    </message>
    <message>
        <source>   Marks</source>
        <translation>   Marken</translation>
    </message>
    <message>
        <source>apply punch card</source>
        <translation>Lochkarte übernehmen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>drag to move the card aside</source>
        <translation>ziehen, um die Karte beiseitezuschieben</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Your first message: enciphering</source>
        <translation>Ihre erste Nachricht: verschlüsseln</translation>
    </message>
    <message>
        <source>&lt;p&gt;Give the machine a key of your own. Click the dark window band across a rotor to open the machine, then &lt;b&gt;random key&lt;/b&gt; and &lt;b&gt;save key&lt;/b&gt; in the box below it; the key file holds the punch card and the key table. Loading or making a key puts each rotor at its body number. A click near the top of the stack closes the machine.&lt;/p&gt;&lt;p&gt;Turn the rotors to starting positions of your choice (the mouse wheel, or a click above or below a rotor&apos;s window). The starting positions are the letters at the arrows of the rotors&apos; windows, slot 1 on the left: write them down.&lt;/p&gt;&lt;p&gt;Move the work lever to &lt;b&gt;ЗШ&lt;/b&gt; and type the message, or load it as a text and press &lt;b&gt;ПУСК&lt;/b&gt;. The paper tape and the text panel show the enciphered text; the text panel saves it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Geben Sie der Maschine einen eigenen Schlüssel. Öffnen Sie die Maschine mit einem Klick auf das dunkle Fensterband quer über einer Walze und klicken Sie im Kasten darunter auf &lt;b&gt;Zufallsschlüssel&lt;/b&gt; und &lt;b&gt;Schlüssel sichern&lt;/b&gt;; die Datei enthält Lochkarte und Schlüsseltabelle. Laden oder Erzeugen eines Schlüssels stellt jede Walze auf die Nummer ihres Körpers. Ein Klick oben auf den Walzensatz schließt die Maschine.&lt;/p&gt;&lt;p&gt;Drehen Sie die Walzen in Anfangsstellungen Ihrer Wahl (Mausrad oder Klick über bzw. unter dem Fenster). Die Anfangsstellungen sind die Buchstaben an den Pfeilen der Walzenfenster, Platz 1 links: Schreiben Sie sie auf.&lt;/p&gt;&lt;p&gt;Stellen Sie den Betriebshebel auf &lt;b&gt;ЗШ&lt;/b&gt; und tippen Sie die Nachricht, oder laden Sie sie als Text und drücken &lt;b&gt;ПУСК&lt;/b&gt;. Papierstreifen und Textfeld zeigen den Geheimtext; das Textfeld sichert ihn.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Your first message: deciphering</source>
        <translation>Ihre erste Nachricht: entschlüsseln</translation>
    </message>
    <message>
        <source>&lt;p&gt;Send your friend the key file, the starting positions, the enciphered text and your settings: the model, the rotor series, the keyboard and print wheel, the module and the alphabet plug. On the Q417-3MN and Q417-3MR keep the register switch on &lt;b&gt;БУКВ&lt;/b&gt; (letters) at both ends: the other registers print figures, and the letters they replace do not come back.&lt;/p&gt;&lt;p&gt;To read it, on a second start with the same settings: open the machine, &lt;b&gt;load key&lt;/b&gt;, close the machine, turn the rotors to the starting positions, move the work lever to &lt;b&gt;РШ&lt;/b&gt; and type the enciphered text, or load it in the text panel and press &lt;b&gt;ПУСК&lt;/b&gt;. The plain text comes back with its spaces.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Schicken Sie Ihrem Freund die Schlüsseldatei, die Anfangsstellungen, den verschlüsselten Text und Ihre Einstellungen: das Modell, die Walzenserie, Tastatur und Typenrad, das Modul und den Alphabetstecker. Lassen Sie an der Q417-3MN und Q417-3MR den Registerschalter auf beiden Seiten auf &lt;b&gt;БУКВ&lt;/b&gt; (Buchstaben): Die anderen Register drucken Ziffern, und die Buchstaben, die sie ersetzen, kommen nicht zurück.&lt;/p&gt;&lt;p&gt;Zum Lesen, bei einem zweiten Start mit denselben Einstellungen: die Maschine öffnen, &lt;b&gt;Schlüssel laden&lt;/b&gt;, die Maschine schließen, die Walzen auf die Anfangsstellungen drehen, den Betriebshebel auf &lt;b&gt;РШ&lt;/b&gt; stellen und den verschlüsselten Text tippen, oder ihn im Textfeld laden und &lt;b&gt;ПУСК&lt;/b&gt; drücken. Der Klartext kommt mit seinen Leerzeichen zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Refused keys and missing letters</source>
        <translation>Gesperrte Tasten und fehlende Buchstaben</translation>
    </message>
    <message>
        <source>&lt;p&gt;While enciphering the key &lt;b&gt;Й&lt;/b&gt; is refused, because the space is enciphered on its contact; a Й in a loaded text comes back as a space. While deciphering the space bar is refused, and the spaces of a loaded text are passed over. With the ten-key alphabet only the ten blue figure keys work.&lt;/p&gt;&lt;p&gt;A loaded text is read with the keyboard chosen on the settings panel, and a character it lacks is passed over. &lt;b&gt;German&lt;/b&gt; has no Q, W, X or Y and no 0 or 1, and its J stands on the Й key: HELLO WORLD comes back as HELLO ORLD. &lt;b&gt;Polish&lt;/b&gt; and &lt;b&gt;Czech&lt;/b&gt; have every Latin letter but only the figures 2, 5, 7 and 8, and 2 stands on the Й key. &lt;b&gt;Russian&lt;/b&gt; has no Latin letters and no figures. No layout has Ё, Ъ or Э.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Beim Verschlüsseln ist die Taste &lt;b&gt;Й&lt;/b&gt; gesperrt, weil auf ihrem Kontakt das Leerzeichen verschlüsselt wird; ein Й in einem geladenen Text kommt als Leerzeichen zurück. Beim Entschlüsseln ist die Leertaste gesperrt, und die Leerzeichen eines geladenen Textes werden übergangen. Im Zehn-Tasten-Alphabet wirken nur die zehn blauen Zifferntasten.&lt;/p&gt;&lt;p&gt;Ein geladener Text wird mit der auf dem Einstellungsfeld gewählten Tastatur gelesen, und ein Zeichen, das ihr fehlt, wird übergangen. &lt;b&gt;Deutsch&lt;/b&gt; hat kein Q, W, X oder Y und keine 0 oder 1, und sein J liegt auf der Taste Й: HELLO WORLD kommt als HELLO ORLD zurück. &lt;b&gt;Polnisch&lt;/b&gt; und &lt;b&gt;Tschechisch&lt;/b&gt; haben alle lateinischen Buchstaben, aber nur die Ziffern 2, 5, 7 und 8, und die 2 liegt auf der Taste Й. &lt;b&gt;Russisch&lt;/b&gt; hat weder lateinische Buchstaben noch Ziffern. Keine Belegung hat Ё, Ъ oder Э.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The key table</source>
        <translation>Die Schlüsseltabelle</translation>
    </message>
    <message>
        <source>&lt;p&gt;The paper strip in the box of the open machine is the key table, one column for each rotor slot, slot 1 on the left. Its five rows, named on the strip: the &lt;b&gt;body&lt;/b&gt; (А to К: which of the ten bodies, with its stepping pins), the &lt;b&gt;ring setting&lt;/b&gt; of the alphabet ring on it (А to Й), the &lt;b&gt;core&lt;/b&gt; (А to К: which of the ten wiring cores), its &lt;b&gt;side&lt;/b&gt; (1 put in normally, 2 turned over) and the &lt;b&gt;core setting&lt;/b&gt; in the body (А to Й).&lt;/p&gt;&lt;p&gt;A body or a core can stand in one slot only; the ten-rotor models do not close on a table that breaks this. A key file holds the table and the punch card, not the rotors&apos; positions: that is why the starting positions are sent with it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Der Papierstreifen im Kasten der geöffneten Maschine ist die Schlüsseltabelle, eine Spalte für jeden Walzenplatz, Platz 1 links. Ihre fünf Zeilen, auf dem Streifen benannt: der &lt;b&gt;Körper&lt;/b&gt; (А bis К: welcher der zehn Körper mit seinen Fortschaltstiften), die &lt;b&gt;Ringstellung&lt;/b&gt; des Buchstabenrings darauf (А bis Й), der &lt;b&gt;Kern&lt;/b&gt; (А bis К: welcher der zehn Verdrahtungskerne), seine &lt;b&gt;Seite&lt;/b&gt; (1 normal eingesetzt, 2 umgedreht) und die &lt;b&gt;Kernstellung&lt;/b&gt; im Körper (А bis Й).&lt;/p&gt;&lt;p&gt;Ein Körper oder ein Kern kann nur auf einem Platz stehen; die Modelle mit zehn Walzen schließen nicht mit einer Tabelle, die das verletzt. Eine Schlüsseldatei enthält die Tabelle und die Lochkarte, nicht die Walzenstellungen: Deshalb werden die Anfangsstellungen mitgeschickt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>&lt;p&gt;Type on the computer keyboard, or click the keys of the picture. The keys act by their place on the keyboard, whatever layout your desktop uses; the machine&apos;s own layout (German, Polish, Czech or Russian) is chosen on the settings panel.&lt;/p&gt;&lt;p&gt;Every key press runs through the key card, the rotors and the reflector and back. The result is printed on the paper tape at the top, the rotors step, and the counter at the bottom left counts the letters in groups of five (the brown lever under it sets it back to zero). The text panel keeps what you typed and what the machine printed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Tippen Sie auf der Computertastatur oder klicken Sie auf die Tasten im Bild. Die Tasten wirken nach ihrem Platz auf der Tastatur, gleich welche Belegung Ihre Arbeitsumgebung verwendet; die eigene Belegung der Maschine (deutsch, polnisch, tschechisch oder russisch) wird auf dem Einstellungsfeld gewählt.&lt;/p&gt;&lt;p&gt;Jeder Tastendruck läuft durch die Schlüsselkarte, die Walzen und die Umkehrwalze und zurück. Das Ergebnis wird oben auf den Papierstreifen gedruckt, die Walzen schalten weiter, und der Zähler unten links zählt die Buchstaben in Fünfergruppen (der braune Hebel darunter stellt ihn auf null). Das Textfeld behält, was Sie getippt und was die Maschine gedruckt hat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Mode wheel and levers</source>
        <translation>Betriebsartenrad und Hebel</translation>
    </message>
    <message>
        <source>&lt;p&gt;The long lever on the mode wheel, right of the rotors, sets the kind of work: &lt;b&gt;ОТ&lt;/b&gt; plain typing, &lt;b&gt;ЗШ&lt;/b&gt; encipher, &lt;b&gt;РШ&lt;/b&gt; decipher. Each click moves it one place on. The small red lever beside it prints only (down) or also punches the five-track tape (up, &lt;b&gt;ПЕРФ&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;On the Q417-3MN and Q417-3MR the register switch on the top rail prints letters (&lt;b&gt;БУКВ&lt;/b&gt;), mixed (&lt;b&gt;СМЕШ&lt;/b&gt;) or figures (&lt;b&gt;ЦИФР&lt;/b&gt;); the Q-417M has the language lever at the top right instead (&lt;b&gt;LAT&lt;/b&gt; or &lt;b&gt;РУС&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;The switch left of the reflector (&lt;b&gt;МОДУЛЬ&lt;/b&gt;) changes between the thirty letters and the ten-key figures alphabet: point at it, then click its middle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Der lange Hebel am Betriebsartenrad rechts der Walzen stellt die Art der Arbeit ein: &lt;b&gt;ОТ&lt;/b&gt; Klartext, &lt;b&gt;ЗШ&lt;/b&gt; verschlüsseln, &lt;b&gt;РШ&lt;/b&gt; entschlüsseln. Jeder Klick stellt ihn einen Platz weiter. Der kleine rote Hebel daneben lässt nur drucken (unten) oder auch den Fünfspur-Lochstreifen stanzen (oben, &lt;b&gt;ПЕРФ&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;An der Q417-3MN und Q417-3MR druckt der Registerschalter auf der oberen Leiste Buchstaben (&lt;b&gt;БУКВ&lt;/b&gt;), gemischt (&lt;b&gt;СМЕШ&lt;/b&gt;) oder Ziffern (&lt;b&gt;ЦИФР&lt;/b&gt;); die Q-417M hat stattdessen oben rechts den Sprachhebel (&lt;b&gt;LAT&lt;/b&gt; oder &lt;b&gt;РУС&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;Der Schalter links der Umkehrwalze (&lt;b&gt;МОДУЛЬ&lt;/b&gt;) wechselt zwischen den dreißig Buchstaben und dem Ziffernalphabet der zehn Tasten: Zeigen Sie darauf und klicken Sie in seine Mitte.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Opening the machine and setting a key</source>
        <translation>Die Maschine öffnen und einen Schlüssel setzen</translation>
    </message>
    <message>
        <source>&lt;p&gt;The mouse wheel turns the rotor under the pointer; a click on the upper or lower part of a rotor turns it by hand. A click on the dark window band across a rotor, the entry plate or the reflector opens the machine.&lt;/p&gt;&lt;p&gt;In the open machine a click on a rotor takes the rightmost one out. To build a rotor, click a body in the box below, then a core in the tray. On the face view the outer letters set the ring, the core&apos;s ring sets the core, the area inside it turns the core over and the centre gives the rotor up. Click the empty place in the stack to put the rotor in.&lt;/p&gt;&lt;p&gt;The box also loads, saves and generates keys, sets the basic key and opens the punch card: one hole in every row and column (drag the card by its title to move it aside). A click near the top of the stack closes the machine.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Mausrad oder ein Klick auf den oberen oder unteren Teil einer Walze dreht sie. Ein Klick auf das dunkle Fensterband quer über einer Walze, die Eintrittsplatte oder die Umkehrwalze öffnet die Maschine.&lt;/p&gt;&lt;p&gt;In der geöffneten Maschine nimmt ein Klick auf eine Walze die rechte äußere heraus. Zum Bau einer Walze klicken Sie einen Körper im Kasten unten an, dann einen Kern in der Ablage. In der Draufsicht stellen die äußeren Buchstaben den Ring, der Ring des Kerns den Kern, die Fläche darin dreht den Kern um, und die Mitte gibt die Walze auf. Ein Klick auf den leeren Platz im Walzensatz setzt die Walze ein.&lt;/p&gt;&lt;p&gt;Der Kasten lädt, sichert und erzeugt auch Schlüssel, setzt den Grundschlüssel und öffnet die Lochkarte: ein Loch in jeder Zeile und Spalte (die Karte lässt sich am Titel beiseiteziehen). Ein Klick nahe der Oberkante des Walzensatzes schließt die Maschine.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Loading and running a text</source>
        <translation>Einen Text laden und ablaufen lassen</translation>
    </message>
    <message>
        <source>&lt;p&gt;Open the text panel with the third button of the control box and load a .txt file, or click the yellow button of the text loader beside the space bar.&lt;/p&gt;&lt;p&gt;The green key &lt;b&gt;ПУСК&lt;/b&gt; (start) then types the loaded text into the machine until the text ends, the red key &lt;b&gt;СТОП&lt;/b&gt; (stop) is pressed or an asterisk (*) in the text is reached; &lt;b&gt;ПУСК&lt;/b&gt; again goes on. The ribbed strip under the loader moves the highlight one character on (left half) or back (right half) without typing. Without a loaded text &lt;b&gt;ПУСК&lt;/b&gt; types one letter over and over until &lt;b&gt;СТОП&lt;/b&gt;. F3 types the loaded text one character per press.&lt;/p&gt;&lt;p&gt;The text panel saves the output text, chooses the font and clears both texts.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Öffnen Sie das Textfeld mit dem dritten Knopf des Bedienkastens und laden Sie eine .txt-Datei, oder klicken Sie auf den gelben Knopf des Textladers neben der Leertaste.&lt;/p&gt;&lt;p&gt;Die grüne Taste &lt;b&gt;ПУСК&lt;/b&gt; (Start) tippt dann den geladenen Text in die Maschine, bis der Text endet, die rote Taste &lt;b&gt;СТОП&lt;/b&gt; (Stopp) gedrückt oder ein Stern (*) im Text erreicht wird; erneut &lt;b&gt;ПУСК&lt;/b&gt; fährt fort. Die geriffelte Leiste unter dem Lader setzt die Markierung ein Zeichen vor (linke Hälfte) oder zurück (rechte Hälfte), ohne zu tippen. Ohne geladenen Text tippt &lt;b&gt;ПУСК&lt;/b&gt; einen Buchstaben immer wieder bis &lt;b&gt;СТОП&lt;/b&gt;. F3 tippt den geladenen Text ein Zeichen je Druck.&lt;/p&gt;&lt;p&gt;Das Textfeld sichert den Ausgabetext, wählt die Schrift und leert beide Texte.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The control box</source>
        <translation>Der Bedienkasten</translation>
    </message>
    <message>
        <source>&lt;p&gt;The three buttons at the top right of the machine, and a small key:&lt;/p&gt;&lt;p&gt;&lt;b&gt;Red&lt;/b&gt;: close the program. Only this way are the settings kept.&lt;br&gt;&lt;b&gt;Blue&lt;/b&gt;: the settings panel: model, rotor series, keyboard, print wheel, sound, divider, module and the alphabet plug; its about button shows the version and opens this guide.&lt;br&gt;&lt;b&gt;Sheet&lt;/b&gt;: the text panel.&lt;br&gt;&lt;b&gt;Path key&lt;/b&gt; (right of the sheet, or F2): the signal-path panel, the way the current took through the machine at the last key press.&lt;/p&gt;&lt;p&gt;Point at a button or a lever to see what it does; F1 opens this guide at any time. Drag the cabinet where nothing reacts to the mouse to move the window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die drei Knöpfe oben rechts an der Maschine und eine kleine Taste:&lt;/p&gt;&lt;p&gt;&lt;b&gt;Rot&lt;/b&gt;: das Programm schließen. Nur so bleiben die Einstellungen erhalten.&lt;br&gt;&lt;b&gt;Blau&lt;/b&gt;: das Einstellungsfeld: Modell, Walzenserie, Tastatur, Typenrad, Ton, Trenner, Modul und Alphabetstecker; sein Knopf „Über“ zeigt die Version und öffnet diese Anleitung.&lt;br&gt;&lt;b&gt;Blatt&lt;/b&gt;: das Textfeld.&lt;br&gt;&lt;b&gt;Wegtaste&lt;/b&gt; (rechts vom Blatt, oder F2): das Signalweg-Feld, der Weg des Stroms durch die Maschine beim letzten Tastendruck.&lt;/p&gt;&lt;p&gt;Zeigen Sie auf einen Knopf oder Hebel, um zu sehen, was er tut; F1 öffnet diese Anleitung jederzeit. Ziehen Sie das Gehäuse dort, wo nichts auf die Maus reagiert, um das Fenster zu verschieben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Signal path: where the current ran at the last key press (F2).</source>
        <translation>Signalweg: wo der Strom beim letzten Tastendruck floss (F2).</translation>
    </message>
    <message>
        <source>Close the program and keep the settings.</source>
        <translation>Das Programm schließen und die Einstellungen behalten.</translation>
    </message>
    <message>
        <source>Settings: model, rotor series, keyboard, sound, module.</source>
        <translation>Einstellungen: Modell, Walzenserie, Tastatur, Ton, Modul.</translation>
    </message>
    <message>
        <source>Text panel: load, save and clear the texts.</source>
        <translation>Textfeld: Texte laden, sichern und leeren.</translation>
    </message>
    <message>
        <source>Work lever: plain typing (ОТ), encipher (ЗШ), decipher (РШ). Click to move it.</source>
        <translation>Betriebshebel: Klartext (ОТ), verschlüsseln (ЗШ), entschlüsseln (РШ). Ein Klick stellt ihn um.</translation>
    </message>
    <message>
        <source>Printing lever: print only (down), or print and punch the tape (up).</source>
        <translation>Druckhebel: nur drucken (unten) oder drucken und den Streifen lochen (oben).</translation>
    </message>
    <message>
        <source>Mode wheel: click its levers.</source>
        <translation>Betriebsartenrad: Klicken Sie auf seine Hebel.</translation>
    </message>
    <message>
        <source>Register switch: letters, mixed or figures (Q417-3MN, Q417-3MR). Encipher in letters.</source>
        <translation>Registerschalter: Buchstaben, gemischt oder Ziffern (Q417-3MN, Q417-3MR). Verschlüsseln Sie mit Buchstaben.</translation>
    </message>
    <message>
        <source>Language lever: Latin or Russian print (Q-417M).</source>
        <translation>Sprachhebel: lateinischer oder russischer Druck (Q-417M).</translation>
    </message>
    <message>
        <source>Module switch: the ten-key figures or the thirty-letter alphabet. Point at it, then click its middle.</source>
        <translation>Modulschalter: die Ziffern der zehn Tasten oder das Alphabet mit dreißig Buchstaben. Zeigen Sie darauf und klicken Sie in seine Mitte.</translation>
    </message>
    <message>
        <source>Counter: the groups of five characters, and the characters of the group begun.</source>
        <translation>Zähler: die Fünfergruppen und die Zeichen der begonnenen Gruppe.</translation>
    </message>
    <message>
        <source>Counter lever: sets the counter back to zero.</source>
        <translation>Zählerhebel: stellt den Zähler auf null zurück.</translation>
    </message>
    <message>
        <source>Load a text for the start key to type.</source>
        <translation>Einen Text laden, den die Starttaste tippt.</translation>
    </message>
    <message>
        <source>Step the highlight one character on (left half) or back (right half), without typing.</source>
        <translation>Die Markierung ein Zeichen vor (linke Hälfte) oder zurück (rechte Hälfte) setzen, ohne zu tippen.</translation>
    </message>
    <message>
        <source>Text loader: the name of the loaded text.</source>
        <translation>Textlader: der Name des geladenen Textes.</translation>
    </message>
    <message>
        <source>Start: the machine types the loaded text, up to an asterisk or the end.</source>
        <translation>Start: Die Maschine tippt den geladenen Text bis zu einem Stern oder bis zum Ende.</translation>
    </message>
    <message>
        <source>Stop the run.</source>
        <translation>Den Lauf anhalten.</translation>
    </message>
    <message>
        <source>The key Й is refused while enciphering: the space is enciphered on its contact.</source>
        <translation>Die Taste Й ist beim Verschlüsseln gesperrt: Auf ihrem Kontakt wird das Leerzeichen verschlüsselt.</translation>
    </message>
    <message>
        <source>Keys: click them or type on your keyboard, at the same places. The blue keys are the ten-key alphabet&apos;s figures.</source>
        <translation>Tasten: Klicken Sie sie an oder tippen Sie auf Ihrer Tastatur an denselben Stellen. Die blauen Tasten sind die Ziffern des Zehn-Tasten-Alphabets.</translation>
    </message>
    <message>
        <source>Space bar: refused while deciphering and with the ten-key alphabet.</source>
        <translation>Leertaste: gesperrt beim Entschlüsseln und im Zehn-Tasten-Alphabet.</translation>
    </message>
    <message>
        <source>Turn this rotor one letter back (the mouse wheel turns it too).</source>
        <translation>Diese Walze um einen Buchstaben zurückdrehen (das Mausrad dreht sie auch).</translation>
    </message>
    <message>
        <source>Rotor window: the letter at the arrow is the rotor&apos;s position. Click to open the machine.</source>
        <translation>Walzenfenster: Der Buchstabe am Pfeil ist die Stellung der Walze. Ein Klick öffnet die Maschine.</translation>
    </message>
    <message>
        <source>Turn this rotor one letter on (the mouse wheel turns it too).</source>
        <translation>Diese Walze um einen Buchstaben weiterdrehen (das Mausrad dreht sie auch).</translation>
    </message>
    <message>
        <source>Reflector: turns the current back through the rotors. Click its window to open the machine.</source>
        <translation>Umkehrwalze: schickt den Strom durch die Walzen zurück. Ein Klick auf ihr Fenster öffnet die Maschine.</translation>
    </message>
    <message>
        <source>Reflector: turns the current back through the rotors.</source>
        <translation>Umkehrwalze: schickt den Strom durch die Walzen zurück.</translation>
    </message>
    <message>
        <source>Entry plate: joins the key card to the rotors. Click its window to open the machine.</source>
        <translation>Eintrittsplatte: verbindet die Schlüsselkarte mit den Walzen. Ein Klick auf ihr Fenster öffnet die Maschine.</translation>
    </message>
    <message>
        <source>Entry plate: joins the key card to the rotors.</source>
        <translation>Eintrittsplatte: verbindet die Schlüsselkarte mit den Walzen.</translation>
    </message>
    <message>
        <source>Cover of the two empty places of the Q417-3MR. Click its window to open the machine.</source>
        <translation>Abdeckung der beiden leeren Plätze der Q417-3MR. Ein Klick auf ihr Fenster öffnet die Maschine.</translation>
    </message>
    <message>
        <source>Close the machine (the key table must be complete).</source>
        <translation>Die Maschine schließen (die Schlüsseltabelle muss vollständig sein).</translation>
    </message>
    <message>
        <source>Take the rightmost rotor out of the stack.</source>
        <translation>Die Walze ganz rechts aus dem Walzensatz nehmen.</translation>
    </message>
    <message>
        <source>Close the machine.</source>
        <translation>Die Maschine schließen.</translation>
    </message>
    <message>
        <source>Stack: click an empty place to put the rotor built on the face view in.</source>
        <translation>Walzensatz: Klicken Sie auf einen leeren Platz, um die in der Draufsicht gebaute Walze einzusetzen.</translation>
    </message>
    <message>
        <source>Rotor body with its stepping pins: click to take it and build a rotor on it.</source>
        <translation>Walzenkörper mit seinen Fortschaltstiften: Klicken Sie, um ihn zu nehmen und darauf eine Walze zu bauen.</translation>
    </message>
    <message>
        <source>Wiring core: click to put it into the body on the face view.</source>
        <translation>Verdrahtungskern: Klicken Sie, um ihn in den Körper in der Draufsicht einzusetzen.</translation>
    </message>
    <message>
        <source>Centre: give this rotor up; its body and core go back.</source>
        <translation>Mitte: diese Walze aufgeben; Körper und Kern gehen zurück.</translation>
    </message>
    <message>
        <source>Core: click to turn it over (side 1 or 2).</source>
        <translation>Kern: Klicken Sie, um ihn umzudrehen (Seite 1 oder 2).</translation>
    </message>
    <message>
        <source>Core setting: click the right half to lower it, the left half to raise it.</source>
        <translation>Kernstellung: Die rechte Hälfte senkt sie, die linke hebt sie.</translation>
    </message>
    <message>
        <source>Ring setting: click the right half to lower it, the left half to raise it.</source>
        <translation>Ringstellung: Die rechte Hälfte senkt sie, die linke hebt sie.</translation>
    </message>
    <message>
        <source>Face view of the rotor being built.</source>
        <translation>Draufsicht der Walze, die gebaut wird.</translation>
    </message>
    <message>
        <source>Row 1, body: which body (А to К) stands in each slot, slot 1 on the left.</source>
        <translation>Zeile 1, Körper: welcher Körper (А bis К) auf jedem Platz steht, Platz 1 links.</translation>
    </message>
    <message>
        <source>Row 2, ring setting: where the alphabet ring is set on the body (А to Й).</source>
        <translation>Zeile 2, Ringstellung: wie der Buchstabenring auf dem Körper steht (А bis Й).</translation>
    </message>
    <message>
        <source>Row 3, core: which wiring core (А to К) is in the body.</source>
        <translation>Zeile 3, Kern: welcher Verdrahtungskern (А bis К) im Körper steckt.</translation>
    </message>
    <message>
        <source>Row 4, side: 1 for the core put in normally, 2 for turned over.</source>
        <translation>Zeile 4, Seite: 1 für den normal eingesetzten Kern, 2 für den umgedrehten.</translation>
    </message>
    <message>
        <source>Row 5, core setting: where the core is set in the body (А to Й).</source>
        <translation>Zeile 5, Kernstellung: wie der Kern im Körper steht (А bis Й).</translation>
    </message>
    <message>
        <source>Key card: a hole joins a row to a column. Punch one hole in every row and every column.</source>
        <translation>Schlüsselkarte: Ein Loch verbindet eine Zeile mit einer Spalte. Stanzen Sie ein Loch in jede Zeile und jede Spalte.</translation>
    </message>
    <message>
        <source>Load a key file: card and key table. Each rotor is put at its body number.</source>
        <translation>Eine Schlüsseldatei laden: Karte und Schlüsseltabelle. Jede Walze wird auf die Nummer ihres Körpers gestellt.</translation>
    </message>
    <message>
        <source>Save the card and the key table in a key file. The rotors&apos; positions are not saved.</source>
        <translation>Karte und Schlüsseltabelle in einer Schlüsseldatei sichern. Die Walzenstellungen werden nicht gesichert.</translation>
    </message>
    <message>
        <source>Open the punch card.</source>
        <translation>Die Lochkarte öffnen.</translation>
    </message>
    <message>
        <source>Set the basic key: slot 1 body and core А, slot 2 Б and so on, every setting А.</source>
        <translation>Den Grundschlüssel setzen: Platz 1 Körper und Kern А, Platz 2 Б und so weiter, jede Stellung А.</translation>
    </message>
    <message>
        <source>Take every rotor out and clear the key table.</source>
        <translation>Alle Walzen herausnehmen und die Schlüsseltabelle leeren.</translation>
    </message>
    <message>
        <source>Make a random key table and card. Each rotor is put at its body number.</source>
        <translation>Eine zufällige Schlüsseltabelle und Karte erzeugen. Jede Walze wird auf die Nummer ihres Körpers gestellt.</translation>
    </message>
    <message>
        <source>Paper tape: what the machine printed. A click feeds a blank; the right button saves the tape as a picture.</source>
        <translation>Papierstreifen: was die Maschine gedruckt hat. Ein Klick schiebt ein leeres Feld vor; die rechte Maustaste speichert den Streifen als Bild.</translation>
    </message>
    <message>
        <source>Punched tape: every printed character in five tracks, while the printing lever is up. The right button saves it as a picture.</source>
        <translation>Lochstreifen: jedes gedruckte Zeichen in fünf Spuren, solange der Lochhebel oben steht. Die rechte Maustaste speichert ihn als Bild.</translation>
    </message>
</context>
<context>
    <name>KeyBox</name>
    <message>
        <source>Key table </source>
        <translation>Schlüsseltabelle </translation>
    </message>
    <message>
        <source>Q417-M key table and punch card (*.key)</source>
        <translation>Q417-M-Schlüsseltabelle und Lochkarte (*.key)</translation>
    </message>
    <message>
        <source>load key</source>
        <translation>Schlüssel laden</translation>
    </message>
    <message>
        <source>save key</source>
        <translation>Schlüssel sichern</translation>
    </message>
    <message>
        <source>punch card</source>
        <translation>Lochkarte</translation>
    </message>
    <message>
        <source>set Base position</source>
        <translation>Grundstellung setzen</translation>
    </message>
    <message>
        <source>Base position</source>
        <translation>Grundstellung</translation>
    </message>
    <message>
        <source>clear key table</source>
        <translation>Schlüsseltabelle leeren</translation>
    </message>
    <message>
        <source>clear table</source>
        <translation>Tabelle leeren</translation>
    </message>
    <message>
        <source>generate random key</source>
        <translation>Zufallsschlüssel erzeugen</translation>
    </message>
    <message>
        <source>random key</source>
        <translation>Zufallsschlüssel</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>body</source>
        <translation>Körper</translation>
    </message>
    <message>
        <source>ring
setting</source>
        <translation>Ring-
stellung</translation>
    </message>
    <message>
        <source>core</source>
        <translation>Kern</translation>
    </message>
    <message>
        <source>side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>core
setting</source>
        <translation>Kern-
stellung</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The tape could not be made into a picture.</source>
        <translation>Aus dem Streifen ließ sich kein Bild machen.</translation>
    </message>
    <message>
        <source>Save the punched tape as a picture...</source>
        <translation>Lochstreifen als Bild speichern...</translation>
    </message>
    <message>
        <source>Save the paper tape as a picture...</source>
        <translation>Papierstreifen als Bild speichern...</translation>
    </message>
    <message>
        <source>save the tape as a picture</source>
        <translation>Streifen als Bild speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <source>Close the machine before changing the model.</source>
        <translation>Schließen Sie die Maschine, bevor Sie das Modell wechseln.</translation>
    </message>
    <message>
        <source>The Q-417M has only the thirty-contact alphabet.</source>
        <translation>Die Q-417M hat nur das Alphabet mit dreißig Kontakten.</translation>
    </message>
    <message>
        <source>The Q-417M has only the Russian alphabet plug.</source>
        <translation>Die Q-417M hat nur den Stecker für das russische Alphabet.</translation>
    </message>
    <message>
        <source>The machine is running: stop it before stepping.</source>
        <translation>Die Maschine läuft: Halten Sie sie an, bevor Sie schrittweise tippen.</translation>
    </message>
    <message>
        <source>Close the machine before stepping through a text.</source>
        <translation>Schließen Sie die Maschine, bevor Sie einen Text schrittweise tippen.</translation>
    </message>
    <message>
        <source>There is no text to step through: load one first.</source>
        <translation>Es ist kein Text zum schrittweisen Tippen da: Laden Sie zuerst einen.</translation>
    </message>
    <message>
        <source>The step reached an asterisk, which ends the part of the text to feed.</source>
        <translation>Der Schritt hat einen Stern erreicht, der den zu tippenden Teil des Textes beendet.</translation>
    </message>
    <message>
        <source>The end of the text was reached: it is used up.</source>
        <translation>Das Ende des Textes ist erreicht: Er ist ganz getippt.</translation>
    </message>
    <message>
        <source>The run was stopped: the texts hold %1 characters, as many as the machine keeps. Everything typed so far is kept; save the output text and clear the texts to go on.</source>
        <translation>Der Lauf wurde angehalten: Die Texte enthalten %1 Zeichen, so viele, wie die Maschine aufnimmt. Alles bisher Getippte bleibt erhalten; sichern Sie den Ausgabetext und leeren Sie die Texte, um weiterzumachen.</translation>
    </message>
    <message>
        <source>A rotor is being assembled: put it into the stack or give it up first.</source>
        <translation>Eine Walze wird gerade zusammengesetzt: Setzen Sie sie zuerst in den Walzensatz oder geben Sie sie auf.</translation>
    </message>
    <message>
        <source>Slot %1 has no rotor: the machine closes only with every slot filled.</source>
        <translation>Platz %1 hat keine Walze: Die Maschine schließt nur, wenn jeder Platz belegt ist.</translation>
    </message>
    <message>
        <source>The key table is not valid.</source>
        <translation>Die Schlüsseltabelle ist ungültig.</translation>
    </message>
    <message>
        <source>Cannot load file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geladen werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot take the settings file&apos;s lock &quot;%1&quot;. %2</source>
        <translation>Die Sperre „%1“ der Einstellungsdatei kann nicht gesetzt werden. %2</translation>
    </message>
    <message>
        <source>It is a link, and a lock is never taken through a link.</source>
        <translation>Sie ist eine Verknüpfung, und eine Sperre wird nie über eine Verknüpfung gesetzt.</translation>
    </message>
    <message>
        <source>Another program is writing it.</source>
        <translation>Ein anderes Programm schreibt sie gerade.</translation>
    </message>
    <message>
        <source>It is open for reading only.</source>
        <translation>Sie ist nur zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>Every free name is taken.</source>
        <translation>Alle freien Namen sind vergeben.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket)</source>
        <translation>Sie ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Socket)</translation>
    </message>
    <message>
        <source>It is a link made by another user in a folder that every user may write to, and such a link is not followed.</source>
        <translation>Sie ist eine Verknüpfung, die ein anderer Benutzer in einem für alle beschreibbaren Ordner angelegt hat, und einer solchen Verknüpfung wird nicht gefolgt.</translation>
    </message>
    <message>
        <source>No program reads from the pipe.</source>
        <translation>Kein Programm liest aus der Pipe.</translation>
    </message>
    <message>
        <source>It has no name in any folder (a deleted file).</source>
        <translation>Sie hat in keinem Ordner einen Namen (eine gelöschte Datei).</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist, and no file is made through a link.</source>
        <translation>Sie ist eine Verknüpfung auf „%1“, das nicht existiert, und über eine Verknüpfung wird keine Datei angelegt.</translation>
    </message>
    <message>
        <source>No new file can be made in its folder (%1).</source>
        <translation>In ihrem Ordner kann keine neue Datei angelegt werden (%1).</translation>
    </message>
    <message>
        <source>It is larger than %1, the largest text file that is read.</source>
        <translation>Sie ist größer als %1, die größte Textdatei, die gelesen wird.</translation>
    </message>
    <message>
        <source>It is larger than %1, the largest settings file that is read.</source>
        <translation>Sie ist größer als %1, die größte Einstellungsdatei, die gelesen wird.</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Ungültiges Dateiformat.</translation>
    </message>
    <message>
        <source>Invalid punch card: row %1 has column %2 (columns are 1 to 30)</source>
        <translation>Ungültige Lochkarte: Zeile %1 hat Spalte %2 (die Spalten reichen von 1 bis 30)</translation>
    </message>
    <message>
        <source>Invalid punch card: rows %1 and %2 are both punched in column %3</source>
        <translation>Ungültige Lochkarte: Zeilen %1 und %2 sind beide in Spalte %3 gelocht</translation>
    </message>
    <message>
        <source>the text is not well-formed UTF-8</source>
        <translation>der Text ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>Windows-1251 has no byte for %1 character: %2</source>
        <translation>Windows-1251 hat kein Byte für %1 Zeichen: %2</translation>
    </message>
    <message>
        <source>Windows-1251 has no byte for %1 characters: %2</source>
        <translation>Windows-1251 hat keine Bytes für %1 Zeichen: %2</translation>
    </message>
    <message>
        <source>U+%1 at line %2, column %3</source>
        <translation>U+%1 in Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, and no copy of it could be made, so it was left as it is and the settings were not saved. %2</source>
        <translation>Die Einstellungsdatei „%1“ ist beschädigt, und es konnte keine Kopie davon angelegt werden; sie bleibt daher unverändert, und die Einstellungen wurden nicht gespeichert. %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. It was kept as &quot;%2&quot;, but the settings could not be written to a fresh file. %3</source>
        <translation>Die Einstellungsdatei „%1“ war beschädigt. Sie wurde als „%2“ aufbewahrt, aber die Einstellungen konnten nicht in eine neue Datei geschrieben werden. %3</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. It was kept as &quot;%2&quot;, and the settings were written to a fresh file.</source>
        <translation>Die Einstellungsdatei „%1“ war beschädigt. Sie wurde als „%2“ aufbewahrt, und die Einstellungen wurden in eine neue Datei geschrieben.</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, so the language was not kept in it.</source>
        <translation>Die Einstellungsdatei „%1“ ist beschädigt; die Sprache wurde daher nicht darin gespeichert.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>A rotor is being put together on the work table: insert it or give it up, then save.</source>
        <translation>Auf dem Arbeitstisch wird eine Walze zusammengesetzt: setzen Sie sie ein oder legen Sie sie zurück, dann speichern.</translation>
    </message>
    <message>
        <source>The open machine could not be closed as it stands. %1</source>
        <translation>Die geöffnete Maschine lässt sich so nicht schließen. %1</translation>
    </message>
    <message>
        <source>The machine is running: stop it before taking a key press back.</source>
        <translation>Die Maschine läuft: halten Sie sie an, bevor Sie einen Tastendruck zurücknehmen.</translation>
    </message>
    <message>
        <source>The machine is running: stop it before bringing a key press back.</source>
        <translation>Die Maschine läuft: halten Sie sie an, bevor Sie einen Tastendruck wiederholen.</translation>
    </message>
    <message>
        <source>There is no key press to take back.</source>
        <translation>Es gibt keinen Tastendruck zum Zurücknehmen.</translation>
    </message>
    <message>
        <source>There is no key press to bring back.</source>
        <translation>Es gibt keinen Tastendruck zum Wiederholen.</translation>
    </message>
    <message>
        <source>The machine was changed by hand since its last key press, so that key press can no longer be taken back.</source>
        <translation>Die Maschine wurde seit ihrem letzten Tastendruck von Hand verändert, darum lässt sich dieser Tastendruck nicht mehr zurücknehmen.</translation>
    </message>
    <message>
        <source>The machine was changed by hand since the key press was taken back, so it can no longer be brought back.</source>
        <translation>Die Maschine wurde von Hand verändert, seit der Tastendruck zurückgenommen wurde, darum lässt er sich nicht mehr wiederholen.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>about</source>
        <translation>Über</translation>
    </message>
    <message>
        <source> Rotor series </source>
        <translation> Walzenserie </translation>
    </message>
    <message>
        <source>3K (Polish)</source>
        <translation>3K (poln.)</translation>
    </message>
    <message>
        <source>4K (German)</source>
        <translation>4K (dt.)</translation>
    </message>
    <message>
        <source>6K (Czech)</source>
        <translation>6K (tsch.)</translation>
    </message>
    <message>
        <source> Keyboard </source>
        <translation> Tastatur </translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source> Liter wheel </source>
        <translation> Typenrad </translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Ton AN</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Trenner</translation>
    </message>
    <message>
        <source> MODULE </source>
        <translation> MODUL </translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>The language of the program&apos;s words. Auto follows the desktop&apos;s language. A change takes effect at the next start.</source>
        <translation>Die Sprache der Programmtexte. „Auto“ folgt der Sprache der Arbeitsumgebung. Eine Änderung gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Latin</source>
        <comment>print wheel</comment>
        <translation>Lateinisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <comment>print wheel</comment>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>SignalPath</name>
    <message>
        <source>Signal path</source>
        <translation>Signalweg</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Type the next character of the loaded text (F3).</source>
        <translation>Das nächste Zeichen des geladenen Textes tippen (F3).</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Press a key: its path through the machine is drawn here.</source>
        <translation>Drücken Sie eine Taste: Hier erscheint ihr Weg durch die Maschine.</translation>
    </message>
    <message>
        <source>key %1 (%2)</source>
        <translation>Taste %1 (%2)</translation>
    </message>
    <message>
        <source> → %1: register shift, nothing printed</source>
        <translation> → %1: Registerwechsel, kein Druck</translation>
    </message>
    <message>
        <source> → no signal (0), prints %1</source>
        <translation> → kein Signal (0), druckt %1</translation>
    </message>
    <message>
        <source> → prints %1 (%2)</source>
        <translation> → druckt %1 (%2)</translation>
    </message>
    <message>
        <source>, loops %1/%2</source>
        <translation>, Schleifen %1/%2</translation>
    </message>
    <message>
        <source>, not through the rotors</source>
        <translation>, nicht durch die Walzen</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>Eintritt</translation>
    </message>
    <message>
        <source>card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>to the reflector</source>
        <translation>zur Umkehrwalze</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>loop-back wiring</source>
        <translation>Rückführung</translation>
    </message>
    <message>
        <source>reflector</source>
        <translation>Umkehrwalze</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>body</source>
        <translation>Körper</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>core</source>
        <translation>Kern</translation>
    </message>
    <message>
        <source>side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>core set</source>
        <translation>Kernst.</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Stellung</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Output text</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>load text</source>
        <translation>Text laden</translation>
    </message>
    <message>
        <source>save text</source>
        <translation>Text sichern</translation>
    </message>
    <message>
        <source>select font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>clear text</source>
        <translation>Text leeren</translation>
    </message>
    <message>
        <source>text file (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>save the machine as it stands: settings, key, rotors, counter, tapes and texts (Ctrl+S)</source>
        <translation>die Maschine speichern, wie sie steht: Einstellungen, Schlüssel, Walzen, Zähler, Streifen und Texte (Strg+S)</translation>
    </message>
    <message>
        <source>open a saved machine and go on where it was left (Ctrl+O)</source>
        <translation>eine gespeicherte Maschine öffnen und dort weitermachen, wo sie stand (Strg+O)</translation>
    </message>
    <message>
        <source>The machine was not saved. %1</source>
        <translation>Die Maschine wurde nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>save the machine</source>
        <translation>Maschine speichern</translation>
    </message>
    <message>
        <source>machine state (*.q417)</source>
        <translation>Maschinenzustand (*.q417)</translation>
    </message>
    <message>
        <source>open a saved machine</source>
        <translation>gespeicherte Maschine öffnen</translation>
    </message>
    <message>
        <source>The machine state file &quot;%1&quot; was not opened, and the machine is as it was: %2.</source>
        <translation>Die Zustandsdatei „%1“ wurde nicht geöffnet, die Maschine ist unverändert: %2.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>The language could not be kept. There is no home folder to keep the settings in (HOME is not set).</source>
        <translation>Die Sprache konnte nicht gespeichert werden: Es gibt keinen Basisordner für die Einstellungen (HOME ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>The settings could not be saved. There is no home folder to keep them in (HOME is not set).</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: Es gibt keinen Basisordner, um sie abzulegen (HOME ist nicht gesetzt).</translation>
    </message>
</context>
</TS>
