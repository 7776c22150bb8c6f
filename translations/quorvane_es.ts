<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>Acerca de Quorvane</translation>
    </message>
    <message>
        <source>

Quorvane - July 2004
by Zadrel
email quorvane@example.org
</source>
        <translation>

Quorvane – julio de 2004
por Zadrel
correo quorvane@example.org
</translation>
    </message>
</context>
<context>
    <name>BoardWindow</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>1 correct color</source>
        <translation>1 color correcto</translation>
    </message>
    <message numerus="yes">
        <source>%n correct colors</source>
        <translation>
            <numerusform>%n color correcto</numerusform>
            <numerusform>%n colores correctos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 correct position</source>
        <translation>1 posición correcta</translation>
    </message>
    <message numerus="yes">
        <source>%n correct positions</source>
        <translation>
            <numerusform>%n posición correcta</numerusform>
            <numerusform>%n posiciones correctas</numerusform>
        </translation>
    </message>
    <message>
        <source>try %1: %2</source>
        <translation>intento %1: %2</translation>
    </message>
    <message>
        <source>answer, position %1: %2</source>
        <translation>solución, posición %1: %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>colors: %1</source>
        <translation>colores: %1</translation>
    </message>
    <message>
        <source>positions: %1</source>
        <translation>posiciones: %1</translation>
    </message>
    <message>
        <source>Up raises, Down lowers</source>
        <translation>flecha arriba aumenta, flecha abajo disminuye</translation>
    </message>
    <message>
        <source>color being dragged</source>
        <translation>color arrastrado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a slot, what it holds</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>try %1 of %2, position %3</source>
        <translation>intento %1 de %2, posición %3</translation>
    </message>
    <message>
        <source>The code was %1.</source>
        <translation>El código era: %1.</translation>
    </message>
    <message>
        <source>try %1 of %2 is not complete</source>
        <translation>el intento %1 de %2 no está completo</translation>
    </message>
    <message>
        <source>You have won.</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>That was the last try.</source>
        <translation>Era el último intento.</translation>
    </message>
    <message>
        <source>%1 picked up: arrows choose the slot, Space drops it, Escape puts it back</source>
        <translation>%1 recogido: las flechas eligen la casilla, Espacio lo suelta, Escape lo devuelve</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 devuelto</translation>
    </message>
    <message>
        <source>Do you want to Exit ?</source>
        <translation>¿Quieres salir del juego?</translation>
    </message>
    <message>
        <source>new game: %1 colors, %2 positions</source>
        <translation>nueva partida: %1 colores, %2 posiciones</translation>
    </message>
    <message>
        <source>You gave up.</source>
        <translation>Te has rendido.</translation>
    </message>
    <message numerus="yes">
        <source>%n colors, shuffled</source>
        <translation>
            <numerusform>%n color, mezclado</numerusform>
            <numerusform>%n colores, mezclados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n posición</numerusform>
            <numerusform>%n posiciones</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 placed in %2</source>
        <translation>%1 colocado: %2</translation>
    </message>
    <message>
        <source>%1 moved to %2</source>
        <translation>%1 movido: %2</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 copiado: %2</translation>
    </message>
    <message>
        <source>, replacing %1</source>
        <translation>, en lugar de %1</translation>
    </message>
    <message>
        <source>%1 is already in this try</source>
        <translation>%1 ya está en este intento</translation>
    </message>
    <message>
        <source>this try is full</source>
        <translation>este intento está completo</translation>
    </message>
    <message>
        <source>Color marks on</source>
        <translation>Marcas de color activadas</translation>
    </message>
    <message>
        <source>Color marks off</source>
        <translation>Marcas de color desactivadas</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Página no encontrada&lt;/h2&gt;&lt;p&gt;No se pudo abrir la página &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;</translation>
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
        <translation>azul</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>verde lima</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>azul marino</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>verde azulado</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde oscuro</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliva</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>granate</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>plata</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
</context>
<context>
    <name>DeductionsWindow</name>
    <message numerus="yes">
        <source>%1 to %n correct colors</source>
        <translation>
            <numerusform>de %1 a %n color correcto</numerusform>
            <numerusform>de %1 a %n colores correctos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n correct positions</source>
        <translation>
            <numerusform>de %1 a %n posición correcta</numerusform>
            <numerusform>de %1 a %n posiciones correctas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 correct color</source>
        <translation>1 color correcto</translation>
    </message>
    <message>
        <source>1 correct position</source>
        <translation>1 posición correcta</translation>
    </message>
    <message numerus="yes">
        <source>%n correct colors</source>
        <translation>
            <numerusform>%n color correcto</numerusform>
            <numerusform>%n colores correctos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct positions</source>
        <translation>
            <numerusform>%n posición correcta</numerusform>
            <numerusform>%n posiciones correctas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Position %1:</source>
        <translation>Posición %1:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>Aún es posible 1 código.</translation>
    </message>
    <message>
        <source>%L1 codes are still possible.</source>
        <translation>Aún son posibles %L1 códigos.</translation>
    </message>
    <message>
        <source>Your try could be the code.</source>
        <translation>Tu intento podría ser el código.</translation>
    </message>
    <message>
        <source>Your try cannot be the code:</source>
        <translation>Tu intento no puede ser el código:</translation>
    </message>
    <message>
        <source>it holds a color twice, or one not in play.</source>
        <translation>tiene un color repetido, o uno que no está en juego.</translation>
    </message>
    <message>
        <source>it does not fit what tries 1 to %1 scored, taken together.</source>
        <translation>no encaja con las puntuaciones de los intentos 1 a %1 vistas en conjunto.</translation>
    </message>
    <message>
        <source>had it been the code, try %1 would have scored %2, not %3.</source>
        <translation>si hubiera sido el código, el intento %1 habría obtenido %2, no %3.</translation>
    </message>
    <message>
        <source>however it is completed, try %1 could not have scored %2.</source>
        <translation>se complete como se complete, el intento %1 no podría haber obtenido %2.</translation>
    </message>
    <message>
        <source>Suggested: a try that could be the code.</source>
        <translation>Sugerencia: un intento que podría ser el código.</translation>
    </message>
    <message>
        <source>Suggested: a try that cannot be the code, but tells more.</source>
        <translation>Sugerencia: un intento que no puede ser el código, pero aclara más.</translation>
    </message>
    <message>
        <source>In the code:</source>
        <translation>En el código:</translation>
    </message>
    <message>
        <source>Not in the code:</source>
        <translation>Fuera del código:</translation>
    </message>
    <message>
        <source>Still open:</source>
        <translation>Sin resolver:</translation>
    </message>
    <message>
        <source>Each position can still be:</source>
        <translation>Colores aún posibles en cada posición:</translation>
    </message>
    <message>
        <source>&amp;Suggest a try</source>
        <translation>&amp;Sugerir un intento</translation>
    </message>
    <message>
        <source>Deductions</source>
        <translation>Deducciones</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>PICK COLORS FROM HERE</source>
        <translation>ELIGE LOS COLORES AQUÍ</translation>
    </message>
    <message>
        <source>COLORS</source>
        <translation>COLORES</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>POSICIONES</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>ACIERTOS</translation>
    </message>
    <message>
        <source>PLACE YOUR GUESS HERE</source>
        <translation>COLOCA TU INTENTO AQUÍ</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>SOLUCIÓN</translation>
    </message>
    <message>
        <source>colors  positions</source>
        <translation>color  posición</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>  WELL DONE    click here for another go</source>
        <translation>  ¡MUY BIEN!    pulsa aquí para otra partida</translation>
    </message>
    <message>
        <source>click here to try again</source>
        <translation>pulsa aquí para jugar otra vez</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Giveup</source>
        <translation>Rendirse</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Color marks</source>
        <translation>&amp;Marcas de color</translation>
    </message>
    <message>
        <source>Deductions</source>
        <translation>&amp;Deducciones</translation>
    </message>
</context>
<context>
    <name>HelpForm</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Ayuda de Quorvane</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>in previous try only one color was correct</source>
        <translation>En el intento anterior solo un color era correcto</translation>
    </message>
    <message numerus="yes">
        <source>in previous try  %n colors were correct</source>
        <translation>
            <numerusform>En el intento anterior %n color era correcto</numerusform>
            <numerusform>En el intento anterior %n colores eran correctos</numerusform>
        </translation>
    </message>
    <message>
        <source>, and only one was in correct position also</source>
        <translation>, y solo uno estaba en su posición</translation>
    </message>
    <message numerus="yes">
        <source>, and %n were in correct position also</source>
        <translation>
            <numerusform>, y %n estaba en su posición</numerusform>
            <numerusform>, y %n estaban en su posición</numerusform>
        </translation>
    </message>
    <message>
        <source>in previous try none of the colors were correct</source>
        <translation>En el intento anterior ningún color era correcto</translation>
    </message>
    <message>
        <source>all colors are correct, now rearrange these to find correct positions</source>
        <translation>Todos los colores son correctos, ahora ordénalos para encontrar sus posiciones</translation>
    </message>
    <message>
        <source>all colors are correct</source>
        <translation>Todos los colores son correctos</translation>
    </message>
    <message>
        <source>, and none was in correct position</source>
        <translation>, pero ninguno estaba en su posición</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open display %1</source>
        <translation>no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no hay pantalla: no están definidas ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>no hay pantalla: DISPLAY no está definida</translation>
    </message>
</context>
</TS>
