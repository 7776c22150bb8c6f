<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>À propos de Quorvane</translation>
    </message>
    <message>
        <source>

Quorvane - July 2004
by Zadrel
email quorvane@example.org
</source>
        <translation>

Quorvane – juillet 2004
par Zadrel
courriel quorvane@example.org
</translation>
    </message>
</context>
<context>
    <name>BoardWindow</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>1 correct color</source>
        <translation>1 bonne couleur</translation>
    </message>
    <message numerus="yes">
        <source>%n correct colors</source>
        <translation>
            <numerusform>%n bonne couleur</numerusform>
            <numerusform>%n bonnes couleurs</numerusform>
        </translation>
    </message>
    <message>
        <source>1 correct position</source>
        <translation>1 bonne place</translation>
    </message>
    <message numerus="yes">
        <source>%n correct positions</source>
        <translation>
            <numerusform>%n bonne place</numerusform>
            <numerusform>%n bonnes places</numerusform>
        </translation>
    </message>
    <message>
        <source>try %1: %2</source>
        <translation>essai %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>answer, position %1: %2</source>
        <translation>solution, position %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>masquée</translation>
    </message>
    <message>
        <source>colors: %1</source>
        <translation>couleurs en jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>positions: %1</source>
        <translation>positions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Up raises, Down lowers</source>
        <translation>flèche haut pour augmenter, flèche bas pour diminuer</translation>
    </message>
    <message>
        <source>color being dragged</source>
        <translation>couleur en cours de déplacement</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a slot, what it holds</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>try %1 of %2, position %3</source>
        <translation>essai %1 sur %2, position %3</translation>
    </message>
    <message>
        <source>The code was %1.</source>
        <translation>Le code était&#xa0;: %1.</translation>
    </message>
    <message>
        <source>try %1 of %2 is not complete</source>
        <translation>l’essai %1 sur %2 n’est pas complet</translation>
    </message>
    <message>
        <source>You have won.</source>
        <translation>Vous avez gagné.</translation>
    </message>
    <message>
        <source>That was the last try.</source>
        <translation>C’était le dernier essai.</translation>
    </message>
    <message>
        <source>%1 picked up: arrows choose the slot, Space drops it, Escape puts it back</source>
        <translation>%1 pris&#xa0;: les flèches choisissent la case, Espace le pose, Échap le remet en place</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 remis en place</translation>
    </message>
    <message>
        <source>Do you want to Exit ?</source>
        <translation>Voulez-vous quitter le jeu&#xa0;?</translation>
    </message>
    <message>
        <source>new game: %1 colors, %2 positions</source>
        <translation>nouvelle partie&#xa0;: %1 couleurs, %2 positions</translation>
    </message>
    <message>
        <source>You gave up.</source>
        <translation>Vous avez abandonné.</translation>
    </message>
    <message numerus="yes">
        <source>%n colors, shuffled</source>
        <translation>
            <numerusform>%n couleur, mélangée</numerusform>
            <numerusform>%n couleurs, mélangées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n position</numerusform>
            <numerusform>%n positions</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 placed in %2</source>
        <translation>%1 placé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 moved to %2</source>
        <translation>%1 déplacé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 copié&#xa0;: %2</translation>
    </message>
    <message>
        <source>, replacing %1</source>
        <translation>, remplace %1</translation>
    </message>
    <message>
        <source>%1 is already in this try</source>
        <translation>%1 est déjà dans cet essai</translation>
    </message>
    <message>
        <source>this try is full</source>
        <translation>cet essai est complet</translation>
    </message>
    <message>
        <source>Color marks on</source>
        <translation>Marques de couleur activées</translation>
    </message>
    <message>
        <source>Color marks off</source>
        <translation>Marques de couleur désactivées</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Page introuvable&lt;/h2&gt;&lt;p&gt;Impossible d’ouvrir la page &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>vert vif</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>bleu marine</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>bleu canard</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>bordeaux</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>argent</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
</context>
<context>
    <name>DeductionsWindow</name>
    <message numerus="yes">
        <source>%1 to %n correct colors</source>
        <translation>
            <numerusform>de %1 à %n bonne couleur</numerusform>
            <numerusform>de %1 à %n bonnes couleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n correct positions</source>
        <translation>
            <numerusform>de %1 à %n bonne place</numerusform>
            <numerusform>de %1 à %n bonnes places</numerusform>
        </translation>
    </message>
    <message>
        <source>1 correct color</source>
        <translation>1 bonne couleur</translation>
    </message>
    <message>
        <source>1 correct position</source>
        <translation>1 bonne place</translation>
    </message>
    <message numerus="yes">
        <source>%n correct colors</source>
        <translation>
            <numerusform>%n bonne couleur</numerusform>
            <numerusform>%n bonnes couleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct positions</source>
        <translation>
            <numerusform>%n bonne place</numerusform>
            <numerusform>%n bonnes places</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Position %1:</source>
        <translation>Position %1&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>1 code est encore possible.</translation>
    </message>
    <message>
        <source>%L1 codes are still possible.</source>
        <translation>%L1 codes sont encore possibles.</translation>
    </message>
    <message>
        <source>Your try could be the code.</source>
        <translation>Votre essai pourrait être le code.</translation>
    </message>
    <message>
        <source>Your try cannot be the code:</source>
        <translation>Votre essai ne peut pas être le code&#xa0;:</translation>
    </message>
    <message>
        <source>it holds a color twice, or one not in play.</source>
        <translation>il contient deux fois une couleur, ou une couleur qui n’est pas en jeu.</translation>
    </message>
    <message>
        <source>it does not fit what tries 1 to %1 scored, taken together.</source>
        <translation>il ne s’accorde pas avec les scores des essais 1 à %1 pris ensemble.</translation>
    </message>
    <message>
        <source>had it been the code, try %1 would have scored %2, not %3.</source>
        <translation>s’il avait été le code, l’essai %1 aurait obtenu %2, et non %3.</translation>
    </message>
    <message>
        <source>however it is completed, try %1 could not have scored %2.</source>
        <translation>de quelque façon qu’on le complète, l’essai %1 n’aurait pas pu obtenir %2.</translation>
    </message>
    <message>
        <source>Suggested: a try that could be the code.</source>
        <translation>Suggestion&#xa0;: un essai qui pourrait être le code.</translation>
    </message>
    <message>
        <source>Suggested: a try that cannot be the code, but tells more.</source>
        <translation>Suggestion&#xa0;: un essai qui ne peut pas être le code, mais en dit plus.</translation>
    </message>
    <message>
        <source>In the code:</source>
        <translation>Dans le code&#xa0;:</translation>
    </message>
    <message>
        <source>Not in the code:</source>
        <translation>Hors du code&#xa0;:</translation>
    </message>
    <message>
        <source>Still open:</source>
        <translation>En suspens&#xa0;:</translation>
    </message>
    <message>
        <source>Each position can still be:</source>
        <translation>Couleurs encore possibles à chaque position&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Suggest a try</source>
        <translation>&amp;Suggérer un essai</translation>
    </message>
    <message>
        <source>Deductions</source>
        <translation>Déductions</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>PICK COLORS FROM HERE</source>
        <translation>PRENEZ LES COULEURS ICI</translation>
    </message>
    <message>
        <source>COLORS</source>
        <translation>COUL.</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>POSITIONS</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>BONNES</translation>
    </message>
    <message>
        <source>PLACE YOUR GUESS HERE</source>
        <translation>PLACEZ VOTRE ESSAI ICI</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>SOLUTION</translation>
    </message>
    <message>
        <source>colors  positions</source>
        <translation>couleurs  places</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>  WELL DONE    click here for another go</source>
        <translation>  BRAVO&#xa0;!    cliquez ici pour rejouer</translation>
    </message>
    <message>
        <source>click here to try again</source>
        <translation>cliquez ici pour réessayer</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Giveup</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Color marks</source>
        <translation>&amp;Marques de couleur</translation>
    </message>
    <message>
        <source>Deductions</source>
        <translation>&amp;Déductions</translation>
    </message>
</context>
<context>
    <name>HelpForm</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Aide de Quorvane</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>in previous try only one color was correct</source>
        <translation>À l’essai précédent, une seule couleur était bonne</translation>
    </message>
    <message numerus="yes">
        <source>in previous try  %n colors were correct</source>
        <translation>
            <numerusform>À l’essai précédent, %n couleur était bonne</numerusform>
            <numerusform>À l’essai précédent, %n couleurs étaient bonnes</numerusform>
        </translation>
    </message>
    <message>
        <source>, and only one was in correct position also</source>
        <translation>, et une seule était bien placée</translation>
    </message>
    <message numerus="yes">
        <source>, and %n were in correct position also</source>
        <translation>
            <numerusform>, et %n était bien placée</numerusform>
            <numerusform>, et %n étaient bien placées</numerusform>
        </translation>
    </message>
    <message>
        <source>in previous try none of the colors were correct</source>
        <translation>À l’essai précédent, aucune couleur n’était bonne</translation>
    </message>
    <message>
        <source>all colors are correct, now rearrange these to find correct positions</source>
        <translation>Toutes les couleurs sont bonnes, il reste à trouver leurs places</translation>
    </message>
    <message>
        <source>all colors are correct</source>
        <translation>Toutes les couleurs sont bonnes</translation>
    </message>
    <message>
        <source>, and none was in correct position</source>
        <translation>, mais aucune n’était bien placée</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open display %1</source>
        <translation>impossible d’ouvrir l’affichage %1</translation>
    </message>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>aucun affichage&#xa0;: ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>aucun affichage&#xa0;: DISPLAY n’est pas défini</translation>
    </message>
</context>
</TS>
