<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>Captions</name>
    <message>
        <source>Recuperar un dibujo</source>
        <translation>Recupera un debuxo</translation>
    </message>
    <message>
        <source>Guarda el dibujo</source>
        <translation>Garda o debuxo</translation>
    </message>
    <message>
        <source>Dibuja una línea recta</source>
        <translation>Debuxa unha liña recta</translation>
    </message>
    <message>
        <source>Línea formada por círculos</source>
        <translation>Liña feita de círculos</translation>
    </message>
    <message>
        <source>Dibuja una línea manteniendo</source>
        <translation>Debuxa unha liña mantendo premido</translation>
    </message>
    <message>
        <source>El cursor se mueve por los puntos de rejilla</source>
        <translation>O cursor móvese polos puntos da grella</translation>
    </message>
    <message>
        <source>El cursor se mueve libremente</source>
        <translation>O cursor móvese libremente</translation>
    </message>
    <message>
        <source>Selección del grosor de la línea</source>
        <translation>Selección do grosor da liña</translation>
    </message>
    <message>
        <source>Circunferencia, elipse, arco</source>
        <translation>Circunferencia, elipse, arco</translation>
    </message>
    <message>
        <source>Imprime el dibujo</source>
        <translation>Imprime o debuxo</translation>
    </message>
    <message>
        <source>Dibujo de un rectángulo</source>
        <translation>Debuxo dun rectángulo</translation>
    </message>
    <message>
        <source>Relleno de color</source>
        <translation>Recheo de cor</translation>
    </message>
    <message>
        <source>Dibuja un polígono</source>
        <translation>Debuxa un polígono</translation>
    </message>
    <message>
        <source>Deshacer ( 7 niveles )</source>
        <translation>Desfacer ( 7 niveis )</translation>
    </message>
    <message>
        <source>Borra el dibujo</source>
        <translation>Borra o debuxo</translation>
    </message>
    <message>
        <source>Salir del programa</source>
        <translation>Saír do programa</translation>
    </message>
    <message>
        <source>Escribe texto</source>
        <translation>Escribe texto</translation>
    </message>
    <message>
        <source>Selección de color</source>
        <translation>Selección de cor</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Goma de borrar</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Diferentes tipos de rejilla</source>
        <translation>Distintos tipos de grella</translation>
    </message>
    <message>
        <source>El ratón se mueve por los puntos de la rejilla</source>
        <translation>O rato móvese polos puntos da grella</translation>
    </message>
    <message>
        <source>Anula las tres simetrías</source>
        <translation>Anula as tres simetrías</translation>
    </message>
    <message>
        <source>Dibuja simetría horizontal</source>
        <translation>Debuxa simetría horizontal</translation>
    </message>
    <message>
        <source>Simetría vertical</source>
        <translation>Simetría vertical</translation>
    </message>
    <message>
        <source>Dibuja simetría horizontal+vertical</source>
        <translation>Debuxa simetría horizontal+vertical</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Uso: lienzo [FICHERO...]
Programa de dibujo. Abre cada fichero en una página: el primero en la
página 1, el siguiente en la página 2, y así hasta la página 10.

Opciones:
  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina
</source>
        <translation>Uso: lienzo [FICHEIRO...]
Programa de debuxo. Abre cada ficheiro nunha páxina: o primeiro na
páxina 1, o seguinte na páxina 2, e así ata a páxina 10.

Opcións:
  -h, --help     mostra esta axuda e remata
  -v, --version  mostra a versión e remata
</translation>
    </message>
    <message>
        <source>lienzo: opción desconocida: %1

%2</source>
        <translation>lienzo: opción descoñecida: %1

%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Queres saír do programa</translation>
    </message>
    <message>
        <source>Rejilla %1</source>
        <translation>Grella %1</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>Páxina %1</translation>
    </message>
    <message>
        <source>Polígono desde el centro a un vértice</source>
        <translation>Polígono desde o centro a un vértice</translation>
    </message>
    <message>
        <source>Polígono desde el centro a un lado</source>
        <translation>Polígono desde o centro a un lado</translation>
    </message>
    <message>
        <source>Polígono sobre un lado</source>
        <translation>Polígono sobre un lado</translation>
    </message>
    <message>
        <source>Circunferencia</source>
        <translation>Circunferencia</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Cuarto de arco superior</source>
        <translation>Cuarto de arco superior</translation>
    </message>
    <message>
        <source>Cuarto de arco inferior</source>
        <translation>Cuarto de arco inferior</translation>
    </message>
    <message>
        <source>Semicírculo superior o inferior</source>
        <translation>Semicírculo superior ou inferior</translation>
    </message>
    <message>
        <source>Semicírculo derecho o izquierdo</source>
        <translation>Semicírculo dereito ou esquerdo</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Recheo sólido</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>Sen recheo</translation>
    </message>
    <message>
        <source>Trama horizontal</source>
        <translation>Trama horizontal</translation>
    </message>
    <message>
        <source>Trama vertical</source>
        <translation>Trama vertical</translation>
    </message>
    <message>
        <source>Trama diagonal ascendente</source>
        <translation>Trama diagonal ascendente</translation>
    </message>
    <message>
        <source>Trama diagonal descendente</source>
        <translation>Trama diagonal descendente</translation>
    </message>
    <message>
        <source>Trama cruzada</source>
        <translation>Trama cruzada</translation>
    </message>
    <message>
        <source>Trama cruzada diagonal</source>
        <translation>Trama cruzada diagonal</translation>
    </message>
    <message>
        <source>Goma muy pequeña</source>
        <translation>Goma moi pequena</translation>
    </message>
    <message>
        <source>Goma pequeña</source>
        <translation>Goma pequena</translation>
    </message>
    <message>
        <source>Goma mediana</source>
        <translation>Goma mediana</translation>
    </message>
    <message>
        <source>Goma grande</source>
        <translation>Goma grande</translation>
    </message>
    <message>
        <source>Goma muy grande</source>
        <translation>Goma moi grande</translation>
    </message>
    <message>
        <source>Goma enorme</source>
        <translation>Goma enorme</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Grosor %1</translation>
    </message>
    <message>
        <source>Nº Lados</source>
        <translation>N.º lados</translation>
    </message>
    <message>
        <source>Nº lados</source>
        <translation>N.º lados</translation>
    </message>
    <message>
        <source>Número de lados</source>
        <translation>Número de lados</translation>
    </message>
    <message>
        <source>Tamaño de letra</source>
        <translation>Tamaño da letra</translation>
    </message>
    <message>
        <source>Tipo de letra</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>N</source>
        <comment>bold button&apos;s letter</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>K</source>
        <comment>italic button&apos;s letter</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>Negrita</source>
        <translation>Negra</translation>
    </message>
    <message>
        <source>Cursiva</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?</source>
        <translation>Atopouse un debuxo sen rematar. Queres recuperalo?</translation>
    </message>
    <message>
        <source>Escribe</source>
        <translation>Escribe</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>O ficheiro %1 xa existe. Queres substituílo?</translation>
    </message>
    <message>
        <source>No se ha podido guardar el dibujo</source>
        <translation>Non se puido gardar o debuxo</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>O ficheiro seleccionado non é un gráfico compatible</translation>
    </message>
    <message>
        <source>No se ha podido abrir el fichero</source>
        <translation>Non se puido abrir o ficheiro</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Gardar como  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Ficheiro gráfico (*.bmp)</translation>
    </message>
    <message>
        <source>Imágenes PNG (*.png)</source>
        <translation>Imaxes PNG (*.png)</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Escolle unha imaxe</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.png)</source>
        <translation>imaxes (*.bmp *.png)</translation>
    </message>
    <message>
        <source>Todos los ficheros (*.*)</source>
        <translation>Todos os ficheiros (*.*)</translation>
    </message>
    <message>
        <source>Solo hay diez páginas: los demás ficheros no se han abierto</source>
        <translation>Só hai dez páxinas: os demais ficheiros non se abriron</translation>
    </message>
    <message>
        <source>Documento PDF, todas las páginas (*.pdf)</source>
        <translation>Documento PDF, todas as páxinas (*.pdf)</translation>
    </message>
</context>
</TS>
