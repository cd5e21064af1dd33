<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Activities</name>
    <message>
        <source>Affine Ciphers</source>
        <translation>Cifrados afines</translation>
    </message>
    <message>
        <source>Mental Arithmetic</source>
        <translation>Cálculo mental</translation>
    </message>
    <message>
        <source>Fractions, Decimals and Percentages</source>
        <translation>Fracciones, decimales y porcentajes</translation>
    </message>
    <message>
        <source>The Fibonacci Sequence</source>
        <translation>La sucesión de Fibonacci</translation>
    </message>
    <message>
        <source>The Four Rules</source>
        <translation>Las cuatro operaciones</translation>
    </message>
    <message>
        <source>Fractions Between</source>
        <translation>Fracciones intermedias</translation>
    </message>
    <message>
        <source>Hailstone Numbers</source>
        <translation>Números granizo</translation>
    </message>
    <message>
        <source>Hidden Digits</source>
        <translation>Cifras ocultas</translation>
    </message>
    <message>
        <source>The Hundred Square</source>
        <translation>La tabla del 100</translation>
    </message>
    <message>
        <source>Integer Squares</source>
        <translation>Cuadrados de enteros</translation>
    </message>
    <message>
        <source>Leibniz&apos; Triangle</source>
        <translation>Triángulo de Leibniz</translation>
    </message>
    <message>
        <source>Magic Squares</source>
        <translation>Cuadrados mágicos</translation>
    </message>
    <message>
        <source>Match the Target</source>
        <translation>Alcanza el objetivo</translation>
    </message>
    <message>
        <source>Number Squares</source>
        <translation>Cuadrados numéricos</translation>
    </message>
    <message>
        <source>Number Wall</source>
        <translation>Muro de números</translation>
    </message>
    <message>
        <source>Ordering</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Order of Operations</source>
        <translation>Jerarquía de operaciones</translation>
    </message>
    <message>
        <source>Pandigital Fractions</source>
        <translation>Fracciones pandigitales</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle 1</source>
        <translation>Triángulo de Pascal 1</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle 2</source>
        <translation>Triángulo de Pascal 2</translation>
    </message>
    <message>
        <source>Percentages</source>
        <translation>Porcentajes</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Pythagorean Triples</source>
        <translation>Ternas pitagóricas</translation>
    </message>
    <message>
        <source>Quadratic Factors</source>
        <translation>Factorizar</translation>
    </message>
    <message>
        <source>Right-angled Triangles</source>
        <translation>Triángulos rectángulos</translation>
    </message>
    <message>
        <source>Roman Arithmetic</source>
        <translation>Cálculo romano</translation>
    </message>
    <message>
        <source>Spider Diagrams</source>
        <translation>Diagramas de araña</translation>
    </message>
    <message>
        <source>Substitution</source>
        <translation>Sustitución</translation>
    </message>
    <message>
        <source>The 24 Puzzle</source>
        <translation>El juego del 24</translation>
    </message>
</context>
<context>
    <name>ActivityForm</name>
    <message>
        <source>Answer: %1</source>
        <translation>Solución: %1</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Código %1</translation>
    </message>
    <message>
        <source>Code %1.</source>
        <translation>Código %1.</translation>
    </message>
</context>
<context>
    <name>ActivityKeys</name>
    <message>
        <source>PageDown, N or Right arrow</source>
        <translation>Av Pág, N o flecha derecha</translation>
    </message>
    <message>
        <source>PageUp or S</source>
        <translation>Re Pág o S</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Exit: back to the menu</source>
        <translation>Salir: volver al menú</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>the next kind of numbers</source>
        <translation>el siguiente tipo de números</translation>
    </message>
    <message>
        <source>Ctrl+1 or Ctrl+%1</source>
        <translation>Ctrl+1 o Ctrl+%1</translation>
    </message>
    <message>
        <source>Ctrl+1 to Ctrl+%1</source>
        <translation>Ctrl+1 a Ctrl+%1</translation>
    </message>
    <message>
        <source>that kind of numbers, in the order shown</source>
        <translation>ese tipo de números, en el orden mostrado</translation>
    </message>
    <message>
        <source>B or .</source>
        <translation>B o .</translation>
    </message>
    <message>
        <source>blank the screen; any key or click brings it back</source>
        <translation>pantalla en negro; cualquier tecla o clic la recupera</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 o ?</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>esta lista de teclas</translation>
    </message>
    <message>
        <source>Next (Go): a new problem</source>
        <translation>Siguiente: un problema nuevo</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>save as a lesson: add this activity to a lesson file</source>
        <translation>guardar como lección: añadirla a un archivo de lección</translation>
    </message>
    <message>
        <source>Tab; Shift+Tab</source>
        <translation>Tab; Mayús+Tab</translation>
    </message>
    <message>
        <source>mark the next or the previous control</source>
        <translation>marcar el control siguiente o el anterior</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Intro o Espacio</translation>
    </message>
    <message>
        <source>press the marked control</source>
        <translation>pulsar el control marcado</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>read the whole board aloud</source>
        <translation>leer toda la pizarra en voz alta</translation>
    </message>
    <message>
        <source>Ctrl+G; Ctrl+P</source>
        <translation>Ctrl+G; Ctrl+P</translation>
    </message>
    <message>
        <source>a problem by its code; a worksheet</source>
        <translation>un problema por su código; una hoja</translation>
    </message>
</context>
<context>
    <name>BoardFile</name>
    <message>
        <source>the folder %1 is not there</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>no se pudo escribir la imagen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>chalkline: there is no screen %1; this display has %2, from 0
</source>
        <translation>chalkline: no existe la pantalla %1; esta pantalla tiene %2, desde 0
</translation>
    </message>
    <message>
        <source>Activities:
</source>
        <translation>Actividades:
</translation>
    </message>
    <message>
        <source>  Menu %1:</source>
        <translation>  Menú %1:</translation>
    </message>
    <message>
        <source>Mathematics activities for the whole class, on a projector or a whiteboard.

</source>
        <translation>Actividades de matemáticas para toda la clase, en el proyector o la pizarra digital.

</translation>
    </message>
    <message>
        <source>chalkline: needs a graphical session to show its windows, but neither DISPLAY nor WAYLAND_DISPLAY is set; start it from the desktop
</source>
        <translation>chalkline: necesita una sesión gráfica para mostrar sus ventanas, pero no hay DISPLAY ni WAYLAND_DISPLAY; inícielo desde el escritorio
</translation>
    </message>
    <message>
        <source>Try &apos;chalkline --help&apos; for more information.
</source>
        <translation>Pruebe «chalkline --help» para más información.
</translation>
    </message>
    <message>
        <source>
Report bugs at &lt;%1&gt;; home page: &lt;%2&gt;.
</source>
        <translation>
Informe de errores en &lt;%1&gt;; página web: &lt;%2&gt;.
</translation>
    </message>
    <message>
        <source>chalkline %1
Copyright (C) %2 The Chalkline developers.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>chalkline %1
Copyright (C) %2 Los desarrolladores de Chalkline.
Licencia GPLv3+: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: puede modificarlo y redistribuirlo.
No hay NINGUNA GARANTÍA, en la medida en que lo permita la ley.
</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>opción no reconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--screen needs a screen number, 0 or more, not &apos;%1&apos;</source>
        <translation>--screen necesita un número de pantalla, 0 o más, no «%1»</translation>
    </message>
    <message>
        <source>chalkline: --screen %1 is not honoured in a window under Wayland, where the desktop places every window; drag the window to that screen, or add --full-screen
</source>
        <translation>chalkline: --screen %1 no se respeta en una ventana bajo Wayland, donde el escritorio coloca cada ventana; arrastre la ventana a esa pantalla, o añada --full-screen
</translation>
    </message>
    <message>
        <source>chalkline: cannot reach the display %1 to show its windows; check that the graphical session is running and that this is its display
</source>
        <translation>chalkline: no se puede acceder a la pantalla %1 para mostrar sus ventanas; compruebe que la sesión gráfica está en marcha y que esta es su pantalla
</translation>
    </message>
    <message>
        <source>show every screen full screen, scaled to fit</source>
        <translation>cada pantalla a pantalla completa, a escala</translation>
    </message>
    <message>
        <source>in a window, even after full screen the last time</source>
        <translation>en una ventana, aunque la última vez fuera a pantalla completa</translation>
    </message>
    <message>
        <source>open on screen N (0 is the first)</source>
        <translation>abrir en la pantalla N (0 es la primera)</translation>
    </message>
    <message>
        <source>show the texts in this language (fr, de, es, en)</source>
        <translation>mostrar los textos en este idioma (fr, de, es, en)</translation>
    </message>
    <message>
        <source>start on that activity (names: --list-activities)</source>
        <translation>empezar por esa actividad (nombres: --list-activities)</translation>
    </message>
    <message>
        <source>run the lesson of FILE, a step at a time</source>
        <translation>seguir la lección de FILE, paso a paso</translation>
    </message>
    <message>
        <source>list the activities, their kinds and settings, then end</source>
        <translation>listar las actividades, sus tipos y ajustes, y terminar</translation>
    </message>
    <message>
        <source>forget the settings kept from the last time</source>
        <translation>olvidar los ajustes guardados de la última vez</translation>
    </message>
    <message>
        <source>print the options and the keys, then end</source>
        <translation>mostrar las opciones y las teclas, y terminar</translation>
    </message>
    <message>
        <source>print the version, then end</source>
        <translation>mostrar la versión, y terminar</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Opciones:
</translation>
    </message>
    <message>
        <source>kinds: %1</source>
        <translation>tipos: %1</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>ajustes: %1</translation>
    </message>
    <message>
        <source>--full-screen and --window do not go together</source>
        <translation>--full-screen y --window no van juntas</translation>
    </message>
    <message>
        <source>--launch and --lesson do not go together</source>
        <translation>--launch y --lesson no van juntas</translation>
    </message>
    <message>
        <source>there is no activity &apos;%1&apos;; the activities are %2</source>
        <translation>no hay ninguna actividad «%1»; las actividades son %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>displays</comment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Keys:
  F11, Ctrl+F                full screen on and off, on every screen
  Tab, Shift+Tab, arrows     menus: move from entry to entry
  Return, Space              menus: open the entry; title screen: OK
  Escape                     the screen&apos;s Exit; title screen: Cancel
  PageDown, N, Right         activities: Next (Go), a new problem
  PageUp, S                  activities: Solution
  K, Ctrl+1, Ctrl+2, Ctrl+3  activities: the next kind of numbers, or one kind
  B, .                       activities: blank the screen and back
  F1, ?                      activities: the keys of the screen
  P, Alt+1 to Alt+4          every screen: the pen on and off, or in white, yellow,
                             red or black
  E, C, Ctrl+Z               every screen: the eraser, clear the ink, take back
  Ctrl+S                     every screen: save the board as a picture
  Tab, Shift+Tab, Return     activities: mark a control, press the marked one
  W                          activities: read the whole board aloud
  Ctrl+L                     activities: add the activity to a lesson file
  Ctrl+O                     first menu: open a lesson
  Tab, Up, Down, Return      Ordering: choose a number and place it
  Backspace, U               Ordering: Undo
  Tab, 1 to 9, 0, Delete     Magic Squares: choose a tile, put it in a cell, send it home
  H                          Magic Squares: show or hide the magic sum
  Up, Down, F, R             Mental Arithmetic: pace, Forward, Reverse
</source>
        <translation>Teclas:
  F11, Ctrl+F                pantalla completa sí o no, en cada pantalla
  Tab, Mayús+Tab, flechas    menús: pasar de una entrada a otra
  Intro, Espacio             menús: abrir la entrada; pantalla de título: Aceptar
  Esc                        Salir de la pantalla; pantalla de título: Cancelar
  Av Pág, N, Derecha         actividades: Siguiente, un problema nuevo
  Re Pág, S                  actividades: Solución
  K, Ctrl+1, Ctrl+2, Ctrl+3  actividades: siguiente tipo de números, o uno
  B, .                       actividades: pantalla en negro y volver
  F1, ?                      actividades: las teclas de la pantalla
  P, Alt+1 a Alt+4           toda pantalla: lápiz sí o no, o en blanco, amarillo,
                             rojo o negro
  E, C, Ctrl+Z               toda pantalla: borrador, borrar la tinta, deshacer
  Ctrl+S                     toda pantalla: guardar la pizarra como imagen
  Tab, Mayús+Tab, Intro      actividades: marcar un control, pulsar el marcado
  W                          actividades: leer toda la pizarra en voz alta
  Ctrl+L                     actividades: añadir la actividad a un archivo de lección
  Ctrl+O                     primer menú: abrir una lección
  Tab, Arriba, Abajo, Intro  Ordenar: elegir un número y colocarlo
  Retroceso, U               Ordenar: Deshacer
  Tab, 1 a 9, 0, Supr        Cuadrados mágicos: elegir, poner, devolver una ficha
  H                          Cuadrados mágicos: mostrar u ocultar la suma mágica
  Arriba, Abajo, F, R        Cálculo mental: ritmo, Adelante, Al revés
</translation>
    </message>
    <message>
        <source>  Ctrl+G                     go to a problem by its code, on every screen
  Ctrl+P                     activities: a worksheet of this kind
</source>
        <translation>  Ctrl+G                     ir a un problema por su código, en cada pantalla
  Ctrl+P                     actividades: una hoja de ejercicios de este tipo
</translation>
    </message>
    <message>
        <source>--count needs a number of problems from 1 to %1, not &apos;%2&apos;</source>
        <translation>--count necesita un número de problemas del 1 al %1, no «%2»</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295, not &apos;%1&apos;</source>
        <translation>--seed necesita un número entero del 0 al 4294967295, no «%1»</translation>
    </message>
    <message>
        <source>--format is pdf or text, not &apos;%1&apos;</source>
        <translation>--format es pdf o text, no «%1»</translation>
    </message>
    <message>
        <source>--worksheet needs -o FILE, the file to write</source>
        <translation>--worksheet necesita -o ARCHIVO, el archivo que escribir</translation>
    </message>
    <message>
        <source>%1 is an option of --worksheet</source>
        <translation>%1 es una opción de --worksheet</translation>
    </message>
    <message>
        <source>Usage: chalkline [OPTION]...
       chalkline --worksheet ACTIVITY [OPTION]... -o FILE
</source>
        <translation>Uso: chalkline [OPCIÓN]...
     chalkline --worksheet ACTIVIDAD [OPCIÓN]... -o ARCHIVO
</translation>
    </message>
    <message>
        <source>start on the problem of that code, as 24P-2-K7QM</source>
        <translation>empezar en el problema de ese código, como 24P-2-K7QM</translation>
    </message>
    <message>
        <source>write a worksheet of the activity and end, no display</source>
        <translation>escribir una hoja de ejercicios de la actividad, sin pantalla</translation>
    </message>
    <message>
        <source>its number of problems, 1 to 500 (10)</source>
        <translation>su número de problemas, del 1 al 500 (10)</translation>
    </message>
    <message>
        <source>its problems follow from this number (else the clock)</source>
        <translation>sus problemas salen de este número (si no, del reloj)</translation>
    </message>
    <message>
        <source>without its answer key</source>
        <translation>sin sus respuestas</translation>
    </message>
    <message>
        <source>a PDF, A4 or Letter; or text, one problem a line</source>
        <translation>un PDF, A4 o Letter; o texto, un problema por línea</translation>
    </message>
    <message>
        <source>the worksheet&apos;s file</source>
        <translation>el archivo de la hoja</translation>
    </message>
    <message>
        <source>--%1 and --worksheet do not go together</source>
        <translation>--%1 y --worksheet no van juntas</translation>
    </message>
    <message>
        <source>--kind goes with --launch or --worksheet</source>
        <translation>--kind va con --launch o --worksheet</translation>
    </message>
    <message>
        <source>--open goes alone, without --launch or --lesson</source>
        <translation>--open va solo, sin --launch ni --lesson</translation>
    </message>
    <message>
        <source>the kind for --launch or --worksheet, 1 for the first</source>
        <translation>el tipo para --launch o --worksheet, 1 para el primero</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>It is in none of the folders searched: %1. Reinstall the program; an installed Chalkline keeps its Images and opening folders in %2.</source>
        <translation>No está en ninguna de las carpetas buscadas: %1. Reinstale el programa; Chalkline instalado guarda sus carpetas Images y opening en %2.</translation>
    </message>
    <message>
        <source>Reinstall the program to restore it.</source>
        <translation>Reinstale el programa para recuperarlo.</translation>
    </message>
    <message>
        <source>Check its permissions: the user running Chalkline must be able to read it.</source>
        <translation>Compruebe sus permisos: el usuario que ejecuta Chalkline debe poder leerlo.</translation>
    </message>
    <message>
        <source>The file is damaged; reinstall the program to restore it.</source>
        <translation>El archivo está dañado; reinstale el programa para recuperarlo.</translation>
    </message>
    <message>
        <source>It is not one of the program&apos;s own pictures but a file in %1, which is searched for pictures too: remove or replace this file.</source>
        <translation>No es una de las imágenes del programa sino un archivo de %1, donde también se buscan imágenes: elimine o sustituya este archivo.</translation>
    </message>
    <message>
        <source>Chalkline cannot start: the picture &quot;%1&quot; cannot be loaded (%2). %3</source>
        <translation>Chalkline no puede arrancar: la imagen «%1» no se puede cargar (%2). %3</translation>
    </message>
    <message>
        <source>chalkline: the picture &quot;%1&quot; cannot be loaded (%2); the lesson goes on without it. %3
</source>
        <translation>chalkline: la imagen «%1» no se puede cargar (%2); la lección sigue sin ella. %3
</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>el archivo no se puede leer: %1</translation>
    </message>
    <message>
        <source>it is not a regular file but a folder, pipe or device</source>
        <translation>no es un archivo normal sino una carpeta, una tubería o un dispositivo</translation>
    </message>
    <message>
        <source>the JPEG picture cannot be decoded: %1</source>
        <translation>la imagen JPEG no se puede decodificar: %1</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt or incomplete: %1</source>
        <translation>la imagen JPEG está dañada o incompleta: %1</translation>
    </message>
    <message>
        <source>the picture would show at %1 by %2 pixels, too large</source>
        <translation>la imagen se mostraría a %1 por %2 píxeles, demasiado grande</translation>
    </message>
    <message>
        <source>the picture needs %1 by %2 pixels decoded, too large</source>
        <translation>la imagen necesita %1 por %2 píxeles decodificados, demasiado grande</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>el archivo no es una imagen JPEG</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt</source>
        <translation>la imagen JPEG está dañada</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt: %1</source>
        <translation>la imagen JPEG está dañada: %1</translation>
    </message>
    <message>
        <source>the picture declares %1 by %2 pixels, too large to decode</source>
        <translation>la imagen declara %1 por %2 píxeles, demasiado grande para decodificarla</translation>
    </message>
</context>
<context>
    <name>Ink</name>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>pen on and off: write over the screen</source>
        <translation>activar y desactivar el lápiz: escribir sobre la pantalla</translation>
    </message>
    <message>
        <source>Alt+1 to Alt+4</source>
        <translation>Alt+1 a Alt+4</translation>
    </message>
    <message>
        <source>pen in white, yellow, red or black</source>
        <translation>lápiz blanco, amarillo, rojo o negro</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>eraser: takes away a stroke it touches</source>
        <translation>borrador: quita cada trazo que toca</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>clear the ink</source>
        <translation>borrar la tinta</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>take back the last stroke, erasing or clearing</source>
        <translation>deshacer el último trazo, borrado o limpieza</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the board as a picture</source>
        <translation>guardar la pizarra como imagen</translation>
    </message>
    <message>
        <source>White pen</source>
        <translation>Lápiz blanco</translation>
    </message>
    <message>
        <source>Yellow pen</source>
        <translation>Lápiz amarillo</translation>
    </message>
    <message>
        <source>Red pen</source>
        <translation>Lápiz rojo</translation>
    </message>
    <message>
        <source>Black pen</source>
        <translation>Lápiz negro</translation>
    </message>
    <message>
        <source>Pen on</source>
        <translation>Lápiz activado</translation>
    </message>
    <message>
        <source>Pen off</source>
        <translation>Lápiz desactivado</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Pizarra borrada</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Deshecho</translation>
    </message>
    <message>
        <source>Saved as %1 in %2</source>
        <translation>Guardado como %1 en %2</translation>
    </message>
    <message>
        <source>The board was not saved in %1: %2</source>
        <translation>La pizarra no se guardó en %1: %2</translation>
    </message>
    <message>
        <source>The board is full: clear some ink to write more</source>
        <translation>La pizarra está llena: borre algo de tinta para seguir escribiendo</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Kinds</name>
    <message>
        <source>Positive Whole Numbers</source>
        <translation>Números naturales</translation>
    </message>
    <message>
        <source>Integers</source>
        <translation>Números enteros</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimales</translation>
    </message>
    <message>
        <source>Proper Fractions</source>
        <translation>Fracciones propias</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Descifrar</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Sencillas</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Más difíciles</translation>
    </message>
    <message>
        <source>Over One</source>
        <translation>Mayores que 1</translation>
    </message>
    <message>
        <source>Fibonacci</source>
        <translation>Fibonacci</translation>
    </message>
    <message>
        <source>Any Start</source>
        <translation>Cualquier inicio</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fáciles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cercanas</translation>
    </message>
    <message>
        <source>Improper</source>
        <translation>Impropias</translation>
    </message>
    <message>
        <source>Start 1 to 30</source>
        <translation>Inicio 1 a 30</translation>
    </message>
    <message>
        <source>Start 1 to 100</source>
        <translation>Inicio 1 a 100</translation>
    </message>
    <message>
        <source>Start 1 to 1000</source>
        <translation>Inicio 1 a 1000</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>1 to 100</source>
        <translation>1 a 100</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Trozos</translation>
    </message>
    <message>
        <source>-50 to 49</source>
        <translation>-50 a 49</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Sumas</translation>
    </message>
    <message>
        <source>Sums and Diagonals</source>
        <translation>Sumas y diagonales</translation>
    </message>
    <message>
        <source>Fewer Clues</source>
        <translation>Menos pistas</translation>
    </message>
    <message>
        <source>Rows 1 to 5</source>
        <translation>Filas 1 a 5</translation>
    </message>
    <message>
        <source>Rows 1 to 7</source>
        <translation>Filas 1 a 7</translation>
    </message>
    <message>
        <source>Rows 1 to 9</source>
        <translation>Filas 1 a 9</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Sums, fewer clues</source>
        <translation>Menos pistas</translation>
    </message>
    <message>
        <source>+ - x ÷</source>
        <translation>+ - × :</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>Paréntesis</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Potencias</translation>
    </message>
    <message>
        <source>Unit Fractions</source>
        <translation>Unitarias</translation>
    </message>
    <message>
        <source>Any Fraction</source>
        <translation>Cualquier fracción</translation>
    </message>
    <message>
        <source>With Clues</source>
        <translation>Con pistas</translation>
    </message>
    <message>
        <source>Rows 0 to 7</source>
        <translation>Filas 0 a 7</translation>
    </message>
    <message>
        <source>Rows 0 to 10</source>
        <translation>Filas 0 a 10</translation>
    </message>
    <message>
        <source>Rows 0 to 13</source>
        <translation>Filas 0 a 13</translation>
    </message>
    <message>
        <source>16 rows</source>
        <translation>16 filas</translation>
    </message>
    <message>
        <source>32 rows</source>
        <translation>32 filas</translation>
    </message>
    <message>
        <source>64 rows</source>
        <translation>64 filas</translation>
    </message>
    <message>
        <source>Of an Amount</source>
        <translation>De una cantidad</translation>
    </message>
    <message>
        <source>Increase and Decrease</source>
        <translation>Aumento y descuento</translation>
    </message>
    <message>
        <source>What Percentage</source>
        <translation>Qué porcentaje</translation>
    </message>
    <message>
        <source>Tables to 10</source>
        <translation>Tablas hasta 10</translation>
    </message>
    <message>
        <source>Tables to 12</source>
        <translation>Tablas hasta 12</translation>
    </message>
    <message>
        <source>Primitive</source>
        <translation>Primitivas</translation>
    </message>
    <message>
        <source>Multiples</source>
        <translation>Múltiplos</translation>
    </message>
    <message>
        <source>Euclid&apos;s Formula</source>
        <translation>Euclides</translation>
    </message>
    <message>
        <source>x² + bx + c</source>
        <translation>x² + bx + c</translation>
    </message>
    <message>
        <source>With Negatives</source>
        <translation>Con negativos</translation>
    </message>
    <message>
        <source>ax² + bx + c</source>
        <translation>ax² + bx + c</translation>
    </message>
    <message>
        <source>Find the Hypotenuse</source>
        <translation>La hipotenusa</translation>
    </message>
    <message>
        <source>Find a Shorter Side</source>
        <translation>Un cateto</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezclado</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Add and Subtract</source>
        <translation>Sumar y restar</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 a 9</translation>
    </message>
    <message>
        <source>1 to 13</source>
        <translation>1 a 13</translation>
    </message>
    <message>
        <source>Target 1 to 30</source>
        <translation>Objetivo 1 a 30</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>this is not a lesson: a lesson is a plain text file in UTF-8</source>
        <translation>esto no es una lección: una lección es un archivo de texto plano en UTF-8</translation>
    </message>
    <message>
        <source>this is not a lesson: it is larger than 1 MiB</source>
        <translation>esto no es una lección: ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>the lesson has no step; a step is a line such as &apos;numberwall kind=2&apos;</source>
        <translation>la lección no tiene ningún paso; un paso es una línea como «numberwall kind=2»</translation>
    </message>
    <message>
        <source>there is no activity &apos;%1&apos;; the activities are %2</source>
        <translation>no hay ninguna actividad «%1»; las actividades son %2</translation>
    </message>
    <message>
        <source>%1 has no setting &apos;%2&apos;; it takes %3</source>
        <translation>%1 no tiene el ajuste «%2»; admite %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a setting: a setting is written key=value, as kind=2</source>
        <translation>«%1» no es un ajuste: un ajuste se escribe clave=valor, como kind=2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>%1= does not go with open: the code gives the kind, and one problem</source>
        <translation>%1= no va con open: el código da el tipo, y un solo problema</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1, paso %2 de %3</translation>
    </message>
    <message>
        <source>Lessons (*.txt *.lesson);;All files (*)</source>
        <translation>Lecciones (*.txt *.lesson);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 admite %2, no «%3»</translation>
    </message>
    <message>
        <source>%1 takes only %2, not &apos;%3&apos;</source>
        <translation>%1 solo admite %2, no «%3»</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, such as 2.5, not &apos;%4&apos;</source>
        <translation>%1 admite un número de %2 a %3, como 2.5, no «%4»</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 admite un número entero de %2 a %3, no «%4»</translation>
    </message>
    <message>
        <source>chalkline: %1, line %2: %3</source>
        <translation>chalkline: %1, línea %2: %3</translation>
    </message>
    <message>
        <source>chalkline: %1: %2</source>
        <translation>chalkline: %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>this is a folder, not a lesson</source>
        <translation>es una carpeta, no una lección</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Abrir una lección</translation>
    </message>
    <message>
        <source>Save as a lesson</source>
        <translation>Guardar como lección</translation>
    </message>
    <message>
        <source>lesson.txt</source>
        <translation>leccion.txt</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. Nothing was written.</source>
        <translation>%1 no se puede leer: %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 is not a lesson. Nothing was written.</source>
        <translation>%1 no es una lección. No se ha escrito nada.</translation>
    </message>
    <message>
        <source># A Chalkline lesson: one step a line
</source>
        <translation># Una lección de Chalkline: un paso por línea
</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. Nothing was written.</source>
        <translation>%1 no se puede escribir: %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 was added to %2.</source>
        <translation>%1 se ha añadido a %2.</translation>
    </message>
    <message>
        <source>%1 was added to %2 as step %3.</source>
        <translation>%1 se ha añadido a %2 como paso %3.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Free software: GNU GPL 3 or later</source>
        <translation>Software libre: GNU GPL 3 o posterior</translation>
    </message>
    <message>
        <source>Menu 1</source>
        <translation>Menú 1</translation>
    </message>
    <message>
        <source>Menu 2</source>
        <translation>Menú 2</translation>
    </message>
    <message>
        <source>Menu 3</source>
        <translation>Menú 3</translation>
    </message>
    <message>
        <source>Menu 4</source>
        <translation>Menú 4</translation>
    </message>
    <message>
        <source>Menu 5</source>
        <translation>Menú 5</translation>
    </message>
    <message>
        <source>WWW Links</source>
        <translation>Enlaces web</translation>
    </message>
    <message>
        <source>Tab, Down or Right arrow</source>
        <translation>Tab, flecha abajo o derecha</translation>
    </message>
    <message>
        <source>the next entry</source>
        <translation>la entrada siguiente</translation>
    </message>
    <message>
        <source>Shift+Tab, Up or Left arrow</source>
        <translation>Mayús+Tab, flecha arriba o izquierda</translation>
    </message>
    <message>
        <source>the entry before</source>
        <translation>la entrada anterior</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Intro o Espacio</translation>
    </message>
    <message>
        <source>open the marked entry</source>
        <translation>abrir la entrada marcada</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1, First menu</source>
        <translation>%1, primer menú</translation>
    </message>
    <message>
        <source>%1, Leave the program?</source>
        <translation>%1, ¿salir del programa?</translation>
    </message>
    <message>
        <source>Menu %1</source>
        <translation>Menú %1</translation>
    </message>
    <message>
        <source>%1, Menu %2</source>
        <translation>%1, menú %2</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 o ?</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>esta lista de teclas</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Abrir una lección</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Go to problem</source>
        <translation>Ir al problema</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>x</source>
        <comment>multiplication sign</comment>
        <translation>×</translation>
    </message>
    <message>
        <source>÷</source>
        <comment>division sign</comment>
        <translation>:</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>Keys: %1</source>
        <translation>Teclas: %1</translation>
    </message>
    <message>
        <source>F11 or Ctrl+F</source>
        <translation>F11 o Ctrl+F</translation>
    </message>
    <message>
        <source>full screen on and off</source>
        <translation>pantalla completa sí o no</translation>
    </message>
    <message>
        <source>Blank screen</source>
        <translation>Pantalla en negro</translation>
    </message>
    <message>
        <source>Any key or click closes this list.</source>
        <translation>Cualquier tecla o clic cierra esta lista.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
</context>
<context>
    <name>ProblemCodes</name>
    <message>
        <source>&apos;%1&apos; is not a problem code: a code is three characters, the kind and four characters, as 24P-2-K7QM</source>
        <translation>«%1» no es un código de problema: un código tiene tres caracteres, el tipo y cuatro caracteres, como 24P-2-K7QM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a character no code has: codes use the digits 2 to 9 and the letters but I, L and O</source>
        <translation>«%1» tiene un carácter que ningún código tiene: los códigos usan las cifras del 2 al 9 y las letras salvo I, L y O</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no activity of this version</source>
        <translation>«%1» no corresponde a ninguna actividad de esta versión</translation>
    </message>
    <message>
        <source>kind %1 is not a kind of this activity, which has only kind 1</source>
        <translation>el tipo %1 no es un tipo de esta actividad, que solo tiene el tipo 1</translation>
    </message>
    <message>
        <source>kind %1 is not a kind of this activity: 1 to %2</source>
        <translation>el tipo %1 no es un tipo de esta actividad: del 1 al %2</translation>
    </message>
    <message>
        <source>the last part &apos;%1&apos; does not match the rest of the code: a character is mistyped</source>
        <translation>la última parte «%1» no coincide con el resto del código: hay un carácter mal escrito</translation>
    </message>
</context>
<context>
    <name>ProblemDialogs</name>
    <message>
        <source>Go to problem</source>
        <translation>Ir al problema</translation>
    </message>
    <message>
        <source>The problem&apos;s code, as 24P-2-K7QM:</source>
        <translation>El código del problema, como 24P-2-K7QM:</translation>
    </message>
    <message>
        <source>Rub out</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Worksheet: %1</source>
        <translation>Hoja de ejercicios: %1</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problemas:</translation>
    </message>
    <message>
        <source>With an answer key</source>
        <translation>Con las respuestas</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save the worksheet</source>
        <translation>Guardar la hoja de ejercicios</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>go to a problem by its code</source>
        <translation>ir a un problema por su código</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>language takes a language&apos;s code, such as fr or de_CH, not &apos;%1&apos;</source>
        <translation>language admite el código de un idioma, como fr o de_CH, no «%1»</translation>
    </message>
    <message>
        <source>launch takes an activity&apos;s name, one of %1; not &apos;%2&apos;</source>
        <translation>launch admite el nombre de una actividad, uno de %1; no «%2»</translation>
    </message>
    <message>
        <source>webAddress takes an address that starts with https:// or http://, not &apos;%1&apos;</source>
        <translation>webAddress admite una dirección que empiece por https:// o http://, no «%1»</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>it is not a settings file</source>
        <translation>no es un archivo de ajustes</translation>
    </message>
    <message>
        <source>chalkline: cannot read the settings file %1: %2; its settings are ignored</source>
        <translation>chalkline: no se puede leer el archivo de ajustes %1: %2; se pasan por alto sus ajustes</translation>
    </message>
    <message>
        <source>chalkline: %1: there is no activity [%2]; its settings are ignored</source>
        <translation>chalkline: %1: no hay ninguna actividad [%2]; se pasan por alto sus ajustes</translation>
    </message>
    <message>
        <source>chalkline: %1: [%2] has no setting &apos;%3&apos;; it is ignored</source>
        <translation>chalkline: %1: [%2] no tiene el ajuste «%3»; se pasa por alto</translation>
    </message>
    <message>
        <source>chalkline: %1: [%2] %3; it is ignored</source>
        <translation>chalkline: %1: [%2] %3; se pasa por alto</translation>
    </message>
    <message>
        <source>chalkline: cannot remove the settings file %1</source>
        <translation>chalkline: no se puede borrar el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>chalkline: cannot write the settings file %1; the settings of this session will not be kept
</source>
        <translation>chalkline: no se puede escribir el archivo de ajustes %1; los ajustes de esta sesión no se guardarán
</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>point</source>
        <comment>the decimal separator, read aloud</comment>
        <translation>coma</translation>
    </message>
    <message>
        <source>%1 recurring</source>
        <translation>%1 periódico</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>al cuadrado</translation>
    </message>
    <message>
        <source>cubed</source>
        <translation>al cubo</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>to the power of %1</source>
        <translation>elevado a %1</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>plus or minus</source>
        <translation>más o menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>over</source>
        <translation>sobre</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>is not equal to</source>
        <translation>no es igual a</translation>
    </message>
    <message>
        <source>is approximately</source>
        <translation>es aproximadamente</translation>
    </message>
    <message>
        <source>is less than</source>
        <translation>es menor que</translation>
    </message>
    <message>
        <source>is greater than</source>
        <translation>es mayor que</translation>
    </message>
    <message>
        <source>is less than or equal to</source>
        <translation>es menor o igual que</translation>
    </message>
    <message>
        <source>is greater than or equal to</source>
        <translation>es mayor o igual que</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abre paréntesis</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>cierra paréntesis</translation>
    </message>
    <message>
        <source>the square root of</source>
        <translation>la raíz cuadrada de</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>blank</source>
        <comment>a hidden number or digit, read aloud</comment>
        <translation>blanco</translation>
    </message>
    <message>
        <source>and</source>
        <comment>between the whole part and the fraction</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 sobre %2</translation>
    </message>
    <message>
        <source>Roman %1</source>
        <comment>a Roman numeral spelled letter by letter</comment>
        <translation>romano %1</translation>
    </message>
    <message>
        <source>row %1 has %2</source>
        <translation>la fila %1 tiene %2</translation>
    </message>
    <message>
        <source>row %1, place %2 is %3</source>
        <translation>fila %1, casilla %2, es %3</translation>
    </message>
</context>
<context>
    <name>TitleForm</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Mathematics for the whole class</source>
        <translation>Matemáticas para toda la clase</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>%1. Problem: %2 Code %3.</source>
        <translation>%1. Problema: %2 Código %3.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Name: ______________________</source>
        <translation>Nombre: ______________________</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers: %1</source>
        <translation>Respuestas: %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: there is no folder &apos;%2&apos;</source>
        <translation>no se puede escribir «%1»: no existe la carpeta «%2»</translation>
    </message>
</context>
<context>
    <name>chalkline::affine::AffineForm</name>
    <message>
        <source>To decode:</source>
        <translation>Para descifrar:</translation>
    </message>
    <message>
        <source>Decode the word with the key</source>
        <translation>Descifra la palabra con la clave</translation>
    </message>
    <message>
        <source>Encode the word with the key</source>
        <translation>Cifra la palabra con la clave</translation>
    </message>
    <message>
        <source>Inverse of %1:</source>
        <translation>Inverso de %1:</translation>
    </message>
    <message>
        <source>decode %1 with %2.</source>
        <translation>descifra %1 con %2.</translation>
    </message>
    <message>
        <source>encode %1 with %2.</source>
        <translation>cifra %1 con %2.</translation>
    </message>
    <message>
        <source>%1 becomes %2.</source>
        <translation>%1 se convierte en %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::boards::BoardForm</name>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fastmental::FastMentalForm</name>
    <message>
        <source>Time between rows</source>
        <translation>Tiempo entre filas</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>start at %1.</source>
        <translation>empieza en %1.</translation>
    </message>
    <message>
        <source>end at %1.</source>
        <translation>termina en %1.</translation>
    </message>
    <message>
        <source>Starting Value:</source>
        <translation>Valor inicial:</translation>
    </message>
    <message>
        <source>Less Time</source>
        <translation>Más veloz</translation>
    </message>
    <message>
        <source>More Time</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Al revés</translation>
    </message>
    <message>
        <source>Up arrow</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>less time between rows</source>
        <translation>menos tiempo entre filas</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>more time between rows</source>
        <translation>más tiempo entre filas</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>start %1, then %2.</source>
        <translation>empieza en %1, luego %2.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Luego %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fdp::FdpForm</name>
    <message>
        <source>Fraction</source>
        <translation>Fracción</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Write each number the other two ways.</source>
        <translation>Escribe cada número de las otras dos formas.</translation>
    </message>
</context>
<context>
    <name>chalkline::fibonacci::FibonacciForm</name>
    <message>
        <source>Each term is the sum of the two before it.</source>
        <translation>Cada término es la suma de los dos anteriores.</translation>
    </message>
    <message>
        <source>each term is the sum of the two before it: %1.</source>
        <translation>cada término es la suma de los dos anteriores: %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fourrules::FourRulesForm</name>
    <message>
        <source>find the sum, difference, product and quotient of %1 and %2.</source>
        <translation>halla la suma, la diferencia, el producto y el cociente de %1 y %2.</translation>
    </message>
    <message>
        <source>sum %1, difference %2, product %3, quotient %4.</source>
        <translation>suma %1, diferencia %2, producto %3, cociente %4.</translation>
    </message>
    <message>
        <source>Find the sum, difference, product and quotient of...</source>
        <translation>Halla la suma, la diferencia, el producto y el cociente de…</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>The sum is</source>
        <translation>La suma es</translation>
    </message>
    <message>
        <source>The difference is</source>
        <translation>La diferencia es</translation>
    </message>
    <message>
        <source>The product is</source>
        <translation>El producto es</translation>
    </message>
    <message>
        <source>The quotient is</source>
        <translation>El cociente es</translation>
    </message>
</context>
<context>
    <name>chalkline::fractionsbetween::FractionsBetweenForm</name>
    <message>
        <source>Find a fraction between</source>
        <translation>Halla una fracción entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Halfway</source>
        <translation>Punto medio</translation>
    </message>
    <message>
        <source>Mediant</source>
        <translation>Mediante</translation>
    </message>
    <message>
        <source>Simplest</source>
        <translation>La más simple</translation>
    </message>
    <message>
        <source>find a fraction between %1 and %2.</source>
        <translation>halla una fracción entre %1 y %2.</translation>
    </message>
    <message>
        <source>halfway %1, mediant %2, simplest %3.</source>
        <translation>punto medio %1, mediante %2, la más simple %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::grids::SquareForm</name>
    <message>
        <source>row products %1</source>
        <translation>productos de filas %1</translation>
    </message>
    <message>
        <source>row sums %1</source>
        <translation>sumas de filas %1</translation>
    </message>
    <message>
        <source>column products %1</source>
        <translation>productos de columnas %1</translation>
    </message>
    <message>
        <source>column sums %1</source>
        <translation>sumas de columnas %1</translation>
    </message>
    <message>
        <source>diagonal sums %1 from the top left, %2 from the bottom left</source>
        <translation>sumas de diagonales %1 desde arriba a la izquierda, %2 desde abajo a la izquierda</translation>
    </message>
    <message>
        <source>%1, top row first: %2.</source>
        <translation>%1, fila de arriba primero: %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::hailstone::HailstoneForm</name>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Even: halve it.
Odd: multiply by 3 and add 1.
Stop at 1.</source>
        <translation>Par: divide entre 2.
Impar: multiplica por 3 y suma 1.
Para en 1.</translation>
    </message>
    <message>
        <source>the hailstone sequence from %1.</source>
        <translation>la sucesión granizo desde %1.</translation>
    </message>
    <message>
        <source>1 step, highest %1</source>
        <translation>1 paso, máximo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n steps, highest %1</source>
        <translation>
            <numerusform>%n paso, máximo %1</numerusform>
            <numerusform>%n pasos, máximo %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chalkline::hiddendigits::HiddenDigitsForm</name>
    <message>
        <source>Find the hidden digits.</source>
        <translation>Halla las cifras ocultas.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::hundredsquare::HundredSquareForm</name>
    <message>
        <source>Find the hidden numbers of the hundred square</source>
        <translation>Halla los números ocultos de la tabla del 100</translation>
    </message>
    <message>
        <source>A piece of the hundred square: find its other numbers</source>
        <translation>Un trozo de la tabla del 100: halla sus otros números</translation>
    </message>
    <message>
        <source>a piece of the hundred square, top row first: %1.</source>
        <translation>un trozo de la tabla del 100, fila de arriba primero: %1.</translation>
    </message>
    <message>
        <source>This square runs from -50 to 49: find its hidden numbers</source>
        <translation>Esta tabla va de -50 a 49: halla sus números ocultos</translation>
    </message>
    <message>
        <source>the hundred square, top row first: %1.</source>
        <translation>la tabla del 100, fila de arriba primero: %1.</translation>
    </message>
    <message>
        <source>the square from %1 to %2, top row first: %3.</source>
        <translation>la tabla de %1 a %2, fila de arriba primero: %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::integersquares::IntegerSquaresForm</name>
    <message>
        <source>Put these nine integers in the square, once each: each row and column adds up to the number beside it</source>
        <translation>Coloca estos nueve enteros en el cuadrado, una vez cada uno: cada fila y columna suma el número de al lado</translation>
    </message>
    <message>
        <source>Put these nine integers in the square, once each: each row, column and diagonal adds up to the number at its end</source>
        <translation>Coloca estos nueve enteros en el cuadrado, una vez cada uno: cada fila, columna y diagonal suma el número del extremo</translation>
    </message>
    <message>
        <source>a square of the integers %1</source>
        <translation>un cuadrado de los enteros %1</translation>
    </message>
</context>
<context>
    <name>chalkline::leibniz::LeibnizForm</name>
    <message>
        <source>Each fraction is the sum of the two below it. Find the missing fractions.</source>
        <translation>Cada fracción es la suma de las dos de debajo. Halla las fracciones que faltan.</translation>
    </message>
    <message>
        <source>Leibniz triangle, rows 1 to %1, top first. %2.</source>
        <translation>triángulo de Leibniz, filas 1 a %1, arriba primero. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::magicsquares::Magicsquares</name>
    <message>
        <source>rising diagonal</source>
        <translation>diagonal ascendente</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>fila de arriba</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>fila del medio</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>fila de abajo</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>diagonal descendente</translation>
    </message>
    <message>
        <source>right column</source>
        <translation>columna derecha</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation>columna del medio</translation>
    </message>
    <message>
        <source>left column</source>
        <translation>columna izquierda</translation>
    </message>
    <message>
        <source>%1 sum %2</source>
        <translation>%1 suma %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>make a magic square from %1 and %2.</source>
        <translation>forma un cuadrado mágico con %1 y %2.</translation>
    </message>
    <message>
        <source>Use the 9 numbers to create a magic square</source>
        <translation>Usa los 9 números para formar un cuadrado mágico</translation>
    </message>
    <message>
        <source>The sum along each row, column and diagonal is %1</source>
        <translation>La suma de cada fila, columna y diagonal es %1</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 a 9</translation>
    </message>
    <message>
        <source>put the chosen tile in that cell, counted along the rows</source>
        <translation>poner la ficha elegida en esa casilla, contando por filas</translation>
    </message>
    <message>
        <source>0 or Delete</source>
        <translation>0 o Supr</translation>
    </message>
    <message>
        <source>send the chosen tile home</source>
        <translation>devolver la ficha elegida a su sitio</translation>
    </message>
    <message>
        <source>Show or Hide the magic sum</source>
        <translation>Mostrar u ocultar la suma mágica</translation>
    </message>
    <message>
        <source>%1, in cell %2</source>
        <translation>%1, en la casilla %2</translation>
    </message>
    <message>
        <source>%1, in the tile column</source>
        <translation>%1, en la columna de fichas</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Casilla %1: %2</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>The magic sum is %1</source>
        <translation>La suma mágica es %1</translation>
    </message>
    <message>
        <source>Magic sum hidden</source>
        <translation>Suma mágica oculta</translation>
    </message>
    <message>
        <source>every line adds to %1. top row %2. middle row %3. bottom row %4.</source>
        <translation>cada línea suma %1. fila de arriba %2. fila del medio %3. fila de abajo %4.</translation>
    </message>
    <message>
        <source>the square is empty</source>
        <translation>el cuadrado está vacío</translation>
    </message>
</context>
<context>
    <name>chalkline::matchthetarget::MatchTheTargetForm</name>
    <message>
        <source>make %1 from %2, %3, %4, %5 and %6 in this order.</source>
        <translation>obtén %1 con %2, %3, %4, %5 y %6 en este orden.</translation>
    </message>
    <message>
        <source>Given numbers</source>
        <translation>Números dados</translation>
    </message>
    <message>
        <source>To match the target number use:</source>
        <translation>Para alcanzar el objetivo usa:</translation>
    </message>
    <message>
        <source>· All the numbers in the order they appear</source>
        <translation>· Todos los números en el orden dado</translation>
    </message>
    <message>
        <source>· Any of the signs +, -, x, ÷ and brackets</source>
        <translation>· Los signos +, -, ×, : y paréntesis</translation>
    </message>
    <message>
        <source>Target number</source>
        <translation>Número objetivo</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
</context>
<context>
    <name>chalkline::numbersquares::NumberSquaresForm</name>
    <message>
        <source>Put the digits 1 to 9 in the square, once each: each row and column multiplies to the number beside it</source>
        <translation>Coloca las cifras del 1 al 9 en el cuadrado, una vez cada una: cada fila y columna multiplica el número de al lado</translation>
    </message>
    <message>
        <source>Put the digits 1 to 9 in the square, once each: each row and column adds up to the number beside it</source>
        <translation>Coloca las cifras del 1 al 9 en el cuadrado, una vez cada una: cada fila y columna suma el número de al lado</translation>
    </message>
    <message>
        <source>a square of the digits 1 to 9</source>
        <translation>un cuadrado de las cifras del 1 al 9</translation>
    </message>
</context>
<context>
    <name>chalkline::numberwall::NumberWallForm</name>
    <message>
        <source>Each brick is the sum of the two bricks below it. Find the missing bricks.</source>
        <translation>Cada ladrillo es la suma de los dos de debajo. Halla los ladrillos que faltan.</translation>
    </message>
    <message>
        <source>number wall, bottom row first. %1.</source>
        <translation>muro de números, fila de abajo primero. %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::ordering::OrderingForm</name>
    <message>
        <source>put in order, smallest first: %1.</source>
        <translation>ordena, de menor a mayor: %1.</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Biggest</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Backspace or U</source>
        <translation>Retroceso o U</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>, smallest</source>
        <translation>, menor</translation>
    </message>
    <message>
        <source>, biggest</source>
        <translation>, mayor</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Place %1%2: %3</source>
        <translation>Lugar %1%2: %3</translation>
    </message>
    <message>
        <source>Down arrow; Up arrow</source>
        <translation>Flecha abajo; flecha arriba</translation>
    </message>
    <message>
        <source>mark the next or the previous control, as Tab and Shift+Tab do</source>
        <translation>marcar el control siguiente o el anterior, como Tab y Mayús+Tab</translation>
    </message>
    <message>
        <source>%1 placed in place %2</source>
        <translation>%1 colocado en el lugar %2</translation>
    </message>
    <message>
        <source>%1 taken back from place %2</source>
        <translation>%1 retirado del lugar %2</translation>
    </message>
</context>
<context>
    <name>chalkline::orderofoperations::OrderOfOperationsForm</name>
    <message>
        <source>Work out, doing the operations in the right order:</source>
        <translation>Calcula respetando la jerarquía de las operaciones:</translation>
    </message>
</context>
<context>
    <name>chalkline::pandigital::PandigitalForm</name>
    <message>
        <source>Use the digits 1 to 9 once each to make a fraction equal to</source>
        <translation>Usa las cifras del 1 al 9 una vez cada una para formar una fracción igual a</translation>
    </message>
    <message>
        <source>1 way</source>
        <translation>1 forma</translation>
    </message>
    <message>
        <source>%1 ways</source>
        <translation>%1 formas</translation>
    </message>
    <message>
        <source>use the digits 1 to 9 once each to make a fraction equal to %1: %2.</source>
        <translation>usa las cifras del 1 al 9 una vez cada una para formar una fracción igual a %1: %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::pascal1::Pascal1Form</name>
    <message>
        <source>Each number is the sum of the two above it. Find the missing numbers.</source>
        <translation>Cada número es la suma de los dos de encima. Halla los números que faltan.</translation>
    </message>
    <message>
        <source>Pascal&apos;s triangle, rows 0 to %1, top first. %2.</source>
        <translation>triángulo de Pascal, filas 0 a %1, arriba primero. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::pascal2::Pascal2Form</name>
    <message>
        <source>Pascal&apos;s triangle, rows 0 to %1</source>
        <translation>Triángulo de Pascal, filas 0 a %1</translation>
    </message>
    <message>
        <source>Which numbers are multiples of %1?</source>
        <translation>¿Qué números son múltiplos de %1?</translation>
    </message>
    <message>
        <source>%1 of the %2 numbers are multiples of %3.</source>
        <translation>%1 de los %2 números son múltiplos de %3.</translation>
    </message>
    <message>
        <source>Multiples in each row from row 0: %1.</source>
        <translation>Múltiplos en cada fila desde la fila 0: %1.</translation>
    </message>
    <message>
        <source>find the multiples of %1 in rows 0 to %2 of Pascal&apos;s triangle.</source>
        <translation>halla los múltiplos de %1 en las filas 0 a %2 del triángulo de Pascal.</translation>
    </message>
</context>
<context>
    <name>chalkline::percentages::PercentagesForm</name>
    <message>
        <source>Work out each percentage of the amount.</source>
        <translation>Calcula cada porcentaje de la cantidad.</translation>
    </message>
    <message>
        <source>Increase or decrease each amount by the percentage.</source>
        <translation>Aumenta o disminuye cada cantidad en el porcentaje.</translation>
    </message>
    <message>
        <source>Write each as a percentage.</source>
        <translation>Escribe cada uno como porcentaje.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 increased by %2</source>
        <translation>%1 aumentado un %2</translation>
    </message>
    <message>
        <source>%1 decreased by %2</source>
        <translation>%1 disminuido un %2</translation>
    </message>
    <message>
        <source>%1 out of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>chalkline::products::ProductsForm</name>
    <message>
        <source>Find the missing numbers of the multiplication grid</source>
        <translation>Halla los números que faltan de la tabla de multiplicar</translation>
    </message>
    <message>
        <source>a multiplication grid, top headers %1. left headers %2. products %3.</source>
        <translation>una tabla de multiplicar, cabeceras de arriba %1. cabeceras de la izquierda %2. productos %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::pythagorean::PythagoreanForm</name>
    <message>
        <source>Fill in the missing numbers. Each row is a primitive Pythagorean triple: a² + b² = c² with a &lt; b &lt; c ≤ 100 and no common factor.</source>
        <translation>Completa los números que faltan. Cada fila es una terna pitagórica primitiva: a² + b² = c² con a &lt; b &lt; c ≤ 100 sin factor común.</translation>
    </message>
    <message>
        <source>Fill in the missing numbers. Each row is a multiple of a primitive Pythagorean triple: a² + b² = c² with a &lt; b &lt; c ≤ 100.</source>
        <translation>Completa los números que faltan. Cada fila es un múltiplo de una terna pitagórica primitiva: a² + b² = c² con a &lt; b &lt; c ≤ 100.</translation>
    </message>
    <message>
        <source>Use Euclid&apos;s formula to find the Pythagorean triple that m and n make.</source>
        <translation>Usa la fórmula de Euclides para hallar la terna pitagórica que dan m y n.</translation>
    </message>
</context>
<context>
    <name>chalkline::quadratic::QuadraticForm</name>
    <message>
        <source>Factorise</source>
        <translation>Factoriza</translation>
    </message>
    <message>
        <source>Check by multiplying out:</source>
        <translation>Comprueba desarrollando:</translation>
    </message>
    <message>
        <source>factorise %1.</source>
        <translation>factoriza %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::rightangled::RightAngledForm</name>
    <message>
        <source>Find the length of the side marked ?, to 1 decimal place where it is not a whole number.</source>
        <translation>Halla la longitud del lado marcado con ?, con una cifra decimal si no es un número entero.</translation>
    </message>
    <message>
        <source>Not drawn to scale</source>
        <translation>No está a escala</translation>
    </message>
    <message>
        <source>to 1 decimal place</source>
        <translation>con 1 decimal</translation>
    </message>
    <message>
        <source>%1 to 1 decimal place.</source>
        <translation>%1 con 1 decimal.</translation>
    </message>
    <message>
        <source>a right-angled triangle with shorter sides %1 and %2. Find the hypotenuse.</source>
        <translation>un triángulo rectángulo con catetos %1 y %2. Halla la hipotenusa.</translation>
    </message>
    <message>
        <source>a right-angled triangle with hypotenuse %1 and a shorter side %2. Find the other shorter side.</source>
        <translation>un triángulo rectángulo con hipotenusa %1 y un cateto %2. Halla el otro cateto.</translation>
    </message>
</context>
<context>
    <name>chalkline::roman::RomanForm</name>
    <message>
        <source>Write each number the other way</source>
        <translation>Escribe cada número de la otra forma</translation>
    </message>
    <message>
        <source>Work out each answer in Roman numerals</source>
        <translation>Calcula cada resultado en números romanos</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::spiderdiagrams::SpiderDiagramsForm</name>
    <message>
        <source>Do each operation to the number in the centre.</source>
        <translation>Haz cada operación con el número del centro.</translation>
    </message>
    <message>
        <source>half</source>
        <translation>mitad</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>centre %1. %2.</source>
        <translation>centro %1. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::substitution::SubstitutionForm</name>
    <message>
        <source>Find the value of each expression when</source>
        <translation>Halla el valor de cada expresión cuando</translation>
    </message>
    <message>
        <source>%1. Find %2.</source>
        <translation>%1. Halla %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::twentyfour::TwentyFourForm</name>
    <message>
        <source>Use each number once, with +, -, x, ÷ and brackets, to make</source>
        <translation>Usa cada número una vez, con +, -, ×, : y paréntesis, para obtener</translation>
    </message>
    <message>
        <source>make %1 from %2, %3, %4 and %5.</source>
        <translation>obtén %1 con %2, %3, %4 y %5.</translation>
    </message>
    <message>
        <source>1 way</source>
        <translation>1 forma</translation>
    </message>
    <message>
        <source>%1 ways</source>
        <translation>%1 formas</translation>
    </message>
</context>
</TS>
