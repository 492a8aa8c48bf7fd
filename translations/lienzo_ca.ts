<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>Captions</name>
    <message>
        <source>Recuperar un dibujo</source>
        <translation>Recupera un dibuix</translation>
    </message>
    <message>
        <source>Guarda el dibujo</source>
        <translation>Desa el dibuix</translation>
    </message>
    <message>
        <source>Dibuja una línea recta</source>
        <translation>Dibuixa una línia recta</translation>
    </message>
    <message>
        <source>Línea formada por círculos</source>
        <translation>Línia feta de cercles</translation>
    </message>
    <message>
        <source>Dibuja una línea manteniendo</source>
        <translation>Dibuixa una línia mantenint premut</translation>
    </message>
    <message>
        <source>El cursor se mueve por los puntos de rejilla</source>
        <translation>El cursor es mou pels punts de la graella</translation>
    </message>
    <message>
        <source>El cursor se mueve libremente</source>
        <translation>El cursor es mou lliurement</translation>
    </message>
    <message>
        <source>Selección del grosor de la línea</source>
        <translation>Selecció del gruix de la línia</translation>
    </message>
    <message>
        <source>Circunferencia, elipse, arco</source>
        <translation>Circumferència, el·lipse, arc</translation>
    </message>
    <message>
        <source>Imprime el dibujo</source>
        <translation>Imprimeix el dibuix</translation>
    </message>
    <message>
        <source>Dibujo de un rectángulo</source>
        <translation>Dibuix d&apos;un rectangle</translation>
    </message>
    <message>
        <source>Relleno de color</source>
        <translation>Emplenament de color</translation>
    </message>
    <message>
        <source>Dibuja un polígono</source>
        <translation>Dibuixa un polígon</translation>
    </message>
    <message>
        <source>Deshacer ( 7 niveles )</source>
        <translation>Desfés ( 7 nivells )</translation>
    </message>
    <message>
        <source>Borra el dibujo</source>
        <translation>Esborra el dibuix</translation>
    </message>
    <message>
        <source>Salir del programa</source>
        <translation>Surt del programa</translation>
    </message>
    <message>
        <source>Escribe texto</source>
        <translation>Escriu text</translation>
    </message>
    <message>
        <source>Selección de color</source>
        <translation>Selecció de color</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Goma d&apos;esborrar</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Diferentes tipos de rejilla</source>
        <translation>Diferents tipus de graella</translation>
    </message>
    <message>
        <source>El ratón se mueve por los puntos de la rejilla</source>
        <translation>El ratolí es mou pels punts de la graella</translation>
    </message>
    <message>
        <source>Anula las tres simetrías</source>
        <translation>Anul·la les tres simetries</translation>
    </message>
    <message>
        <source>Dibuja simetría horizontal</source>
        <translation>Dibuixa simetria horitzontal</translation>
    </message>
    <message>
        <source>Simetría vertical</source>
        <translation>Simetria vertical</translation>
    </message>
    <message>
        <source>Dibuja simetría horizontal+vertical</source>
        <translation>Dibuixa simetria horitzontal+vertical</translation>
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
        <translation>Ús: lienzo [FITXER...]
Programa de dibuix. Obre cada fitxer en una pàgina: el primer a la
pàgina 1, el següent a la pàgina 2, i així fins a la pàgina 10.

Opcions:
  -h, --help     mostra aquesta ajuda i surt
  -v, --version  mostra la versió i surt
</translation>
    </message>
    <message>
        <source>lienzo: opción desconocida: %1

%2</source>
        <translation>lienzo: opció desconeguda: %1

%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Vols sortir del programa</translation>
    </message>
    <message>
        <source>Rejilla %1</source>
        <translation>Graella %1</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>Pàgina %1</translation>
    </message>
    <message>
        <source>Polígono desde el centro a un vértice</source>
        <translation>Polígon des del centre a un vèrtex</translation>
    </message>
    <message>
        <source>Polígono desde el centro a un lado</source>
        <translation>Polígon des del centre a un costat</translation>
    </message>
    <message>
        <source>Polígono sobre un lado</source>
        <translation>Polígon sobre un costat</translation>
    </message>
    <message>
        <source>Circunferencia</source>
        <translation>Circumferència</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>El·lipse</translation>
    </message>
    <message>
        <source>Cuarto de arco superior</source>
        <translation>Quart d&apos;arc superior</translation>
    </message>
    <message>
        <source>Cuarto de arco inferior</source>
        <translation>Quart d&apos;arc inferior</translation>
    </message>
    <message>
        <source>Semicírculo superior o inferior</source>
        <translation>Semicercle superior o inferior</translation>
    </message>
    <message>
        <source>Semicírculo derecho o izquierdo</source>
        <translation>Semicercle dret o esquerre</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Emplenament sòlid</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>Sense emplenament</translation>
    </message>
    <message>
        <source>Trama horizontal</source>
        <translation>Trama horitzontal</translation>
    </message>
    <message>
        <source>Trama vertical</source>
        <translation>Trama vertical</translation>
    </message>
    <message>
        <source>Trama diagonal ascendente</source>
        <translation>Trama diagonal ascendent</translation>
    </message>
    <message>
        <source>Trama diagonal descendente</source>
        <translation>Trama diagonal descendent</translation>
    </message>
    <message>
        <source>Trama cruzada</source>
        <translation>Trama creuada</translation>
    </message>
    <message>
        <source>Trama cruzada diagonal</source>
        <translation>Trama creuada diagonal</translation>
    </message>
    <message>
        <source>Goma muy pequeña</source>
        <translation>Goma molt petita</translation>
    </message>
    <message>
        <source>Goma pequeña</source>
        <translation>Goma petita</translation>
    </message>
    <message>
        <source>Goma mediana</source>
        <translation>Goma mitjana</translation>
    </message>
    <message>
        <source>Goma grande</source>
        <translation>Goma gran</translation>
    </message>
    <message>
        <source>Goma muy grande</source>
        <translation>Goma molt gran</translation>
    </message>
    <message>
        <source>Goma enorme</source>
        <translation>Goma enorme</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Gruix %1</translation>
    </message>
    <message>
        <source>Nº Lados</source>
        <translation>Núm. costats</translation>
    </message>
    <message>
        <source>Nº lados</source>
        <translation>Núm. costats</translation>
    </message>
    <message>
        <source>Número de lados</source>
        <translation>Nombre de costats</translation>
    </message>
    <message>
        <source>Tamaño de letra</source>
        <translation>Mida de la lletra</translation>
    </message>
    <message>
        <source>Tipo de letra</source>
        <translation>Tipus de lletra</translation>
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
        <translation>Negreta</translation>
    </message>
    <message>
        <source>Cursiva</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?</source>
        <translation>S&apos;ha trobat un dibuix sense acabar. El vols recuperar?</translation>
    </message>
    <message>
        <source>Escribe</source>
        <translation>Escriu</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>El fitxer %1 ja existeix. El vols substituir?</translation>
    </message>
    <message>
        <source>No se ha podido guardar el dibujo</source>
        <translation>No s&apos;ha pogut desar el dibuix</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>El fitxer seleccionat no és un gràfic compatible</translation>
    </message>
    <message>
        <source>No se ha podido abrir el fichero</source>
        <translation>No s&apos;ha pogut obrir el fitxer</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Desa com a  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Fitxer gràfic (*.bmp)</translation>
    </message>
    <message>
        <source>Imágenes PNG (*.png)</source>
        <translation>Imatges PNG (*.png)</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Tria una imatge</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.png)</source>
        <translation>imatges (*.bmp *.png)</translation>
    </message>
    <message>
        <source>Todos los ficheros (*.*)</source>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
    <message>
        <source>Solo hay diez páginas: los demás ficheros no se han abierto</source>
        <translation>Només hi ha deu pàgines: els altres fitxers no s&apos;han obert</translation>
    </message>
    <message>
        <source>Documento PDF, todas las páginas (*.pdf)</source>
        <translation>Document PDF, totes les pàgines (*.pdf)</translation>
    </message>
</context>
</TS>
