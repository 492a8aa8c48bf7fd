<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>Captions</name>
    <message>
        <source>Recuperar un dibujo</source>
        <translation>Berreskuratu marrazki bat</translation>
    </message>
    <message>
        <source>Guarda el dibujo</source>
        <translation>Gorde marrazkia</translation>
    </message>
    <message>
        <source>Dibuja una línea recta</source>
        <translation>Marraztu lerro zuzen bat</translation>
    </message>
    <message>
        <source>Línea formada por círculos</source>
        <translation>Zirkuluz egindako lerroa</translation>
    </message>
    <message>
        <source>Dibuja una línea manteniendo</source>
        <translation>Marraztu lerro bat sakatuta eutsiz</translation>
    </message>
    <message>
        <source>El cursor se mueve por los puntos de rejilla</source>
        <translation>Kurtsorea saretako puntuetan mugitzen da</translation>
    </message>
    <message>
        <source>El cursor se mueve libremente</source>
        <translation>Kurtsorea libre mugitzen da</translation>
    </message>
    <message>
        <source>Selección del grosor de la línea</source>
        <translation>Lerroaren lodiera hautatzea</translation>
    </message>
    <message>
        <source>Circunferencia, elipse, arco</source>
        <translation>Zirkunferentzia, elipsea, arkua</translation>
    </message>
    <message>
        <source>Imprime el dibujo</source>
        <translation>Inprimatu marrazkia</translation>
    </message>
    <message>
        <source>Dibujo de un rectángulo</source>
        <translation>Laukizuzen baten marrazkia</translation>
    </message>
    <message>
        <source>Relleno de color</source>
        <translation>Kolorez betetzea</translation>
    </message>
    <message>
        <source>Dibuja un polígono</source>
        <translation>Marraztu poligono bat</translation>
    </message>
    <message>
        <source>Deshacer ( 7 niveles )</source>
        <translation>Desegin ( 7 maila )</translation>
    </message>
    <message>
        <source>Borra el dibujo</source>
        <translation>Ezabatu marrazkia</translation>
    </message>
    <message>
        <source>Salir del programa</source>
        <translation>Irten programatik</translation>
    </message>
    <message>
        <source>Escribe texto</source>
        <translation>Idatzi testua</translation>
    </message>
    <message>
        <source>Selección de color</source>
        <translation>Kolorea hautatzea</translation>
    </message>
    <message>
        <source>Goma de borrar</source>
        <translation>Borragoma</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Diferentes tipos de rejilla</source>
        <translation>Sareta mota desberdinak</translation>
    </message>
    <message>
        <source>El ratón se mueve por los puntos de la rejilla</source>
        <translation>Sagua saretako puntuetan mugitzen da</translation>
    </message>
    <message>
        <source>Anula las tres simetrías</source>
        <translation>Kendu hiru simetriak</translation>
    </message>
    <message>
        <source>Dibuja simetría horizontal</source>
        <translation>Marraztu simetria horizontala</translation>
    </message>
    <message>
        <source>Simetría vertical</source>
        <translation>Simetria bertikala</translation>
    </message>
    <message>
        <source>Dibuja simetría horizontal+vertical</source>
        <translation>Marraztu simetria horizontala+bertikala</translation>
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
        <translation>Erabilera: lienzo [FITXATEGIA...]
Marrazteko programa. Fitxategi bakoitza orri batean irekitzen du: lehena
1. orrian, hurrengoa 2. orrian, eta horrela 10. orriraino.

Aukerak:
  -h, --help     laguntza hau erakutsi eta irten
  -v, --version  bertsioa erakutsi eta irten
</translation>
    </message>
    <message>
        <source>lienzo: opción desconocida: %1

%2</source>
        <translation>lienzo: aukera ezezaguna: %1

%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quieres salir del programa</source>
        <translation>Programatik irten nahi duzu</translation>
    </message>
    <message>
        <source>Rejilla %1</source>
        <translation>%1. sareta</translation>
    </message>
    <message>
        <source>Página %1</source>
        <translation>%1. orria</translation>
    </message>
    <message>
        <source>Polígono desde el centro a un vértice</source>
        <translation>Poligonoa zentrotik erpin batera</translation>
    </message>
    <message>
        <source>Polígono desde el centro a un lado</source>
        <translation>Poligonoa zentrotik alde batera</translation>
    </message>
    <message>
        <source>Polígono sobre un lado</source>
        <translation>Poligonoa alde baten gainean</translation>
    </message>
    <message>
        <source>Circunferencia</source>
        <translation>Zirkunferentzia</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Elipsea</translation>
    </message>
    <message>
        <source>Cuarto de arco superior</source>
        <translation>Goiko arku-laurdena</translation>
    </message>
    <message>
        <source>Cuarto de arco inferior</source>
        <translation>Beheko arku-laurdena</translation>
    </message>
    <message>
        <source>Semicírculo superior o inferior</source>
        <translation>Goiko edo beheko zirkuluerdia</translation>
    </message>
    <message>
        <source>Semicírculo derecho o izquierdo</source>
        <translation>Eskuineko edo ezkerreko zirkuluerdia</translation>
    </message>
    <message>
        <source>Relleno sólido</source>
        <translation>Betetze osoa</translation>
    </message>
    <message>
        <source>Sin relleno</source>
        <translation>Betetzerik gabe</translation>
    </message>
    <message>
        <source>Trama horizontal</source>
        <translation>Marra horizontalak</translation>
    </message>
    <message>
        <source>Trama vertical</source>
        <translation>Marra bertikalak</translation>
    </message>
    <message>
        <source>Trama diagonal ascendente</source>
        <translation>Gorako marra diagonalak</translation>
    </message>
    <message>
        <source>Trama diagonal descendente</source>
        <translation>Beherako marra diagonalak</translation>
    </message>
    <message>
        <source>Trama cruzada</source>
        <translation>Marra gurutzatuak</translation>
    </message>
    <message>
        <source>Trama cruzada diagonal</source>
        <translation>Marra diagonal gurutzatuak</translation>
    </message>
    <message>
        <source>Goma muy pequeña</source>
        <translation>Borragoma oso txikia</translation>
    </message>
    <message>
        <source>Goma pequeña</source>
        <translation>Borragoma txikia</translation>
    </message>
    <message>
        <source>Goma mediana</source>
        <translation>Borragoma ertaina</translation>
    </message>
    <message>
        <source>Goma grande</source>
        <translation>Borragoma handia</translation>
    </message>
    <message>
        <source>Goma muy grande</source>
        <translation>Borragoma oso handia</translation>
    </message>
    <message>
        <source>Goma enorme</source>
        <translation>Borragoma erraldoia</translation>
    </message>
    <message>
        <source>Grosor %1</source>
        <translation>Lodiera %1</translation>
    </message>
    <message>
        <source>Nº Lados</source>
        <translation>Alde kopurua</translation>
    </message>
    <message>
        <source>Nº lados</source>
        <translation>Alde kopurua</translation>
    </message>
    <message>
        <source>Número de lados</source>
        <translation>Alde kopurua</translation>
    </message>
    <message>
        <source>Tamaño de letra</source>
        <translation>Letra-tamaina</translation>
    </message>
    <message>
        <source>Tipo de letra</source>
        <translation>Letra-mota</translation>
    </message>
    <message>
        <source>N</source>
        <comment>bold button&apos;s letter</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>K</source>
        <comment>italic button&apos;s letter</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Negrita</source>
        <translation>Lodia</translation>
    </message>
    <message>
        <source>Cursiva</source>
        <translation>Etzana</translation>
    </message>
    <message>
        <source>Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?</source>
        <translation>Amaitu gabeko marrazki bat aurkitu da. Berreskuratu nahi duzu?</translation>
    </message>
    <message>
        <source>Escribe</source>
        <translation>Idatzi</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>El fichero %1 ya existe. ¿Quieres reemplazarlo?</source>
        <translation>%1 fitxategia badago lehendik. Ordeztu nahi duzu?</translation>
    </message>
    <message>
        <source>No se ha podido guardar el dibujo</source>
        <translation>Ezin izan da marrazkia gorde</translation>
    </message>
    <message>
        <source>El fichero seleccionado no es un gráfico soportado</source>
        <translation>Hautatutako fitxategia ez da onartzen den grafiko bat</translation>
    </message>
    <message>
        <source>No se ha podido abrir el fichero</source>
        <translation>Ezin izan da fitxategia ireki</translation>
    </message>
    <message>
        <source>Guardar como  </source>
        <translation>Gorde honela  </translation>
    </message>
    <message>
        <source>Archivo gráfico (*.bmp)</source>
        <translation>Fitxategi grafikoa (*.bmp)</translation>
    </message>
    <message>
        <source>Imágenes PNG (*.png)</source>
        <translation>PNG irudiak (*.png)</translation>
    </message>
    <message>
        <source>Selecciona una imagen</source>
        <translation>Aukeratu irudi bat</translation>
    </message>
    <message>
        <source>imágenes (*.bmp *.png)</source>
        <translation>irudiak (*.bmp *.png)</translation>
    </message>
    <message>
        <source>Todos los ficheros (*.*)</source>
        <translation>Fitxategi guztiak (*.*)</translation>
    </message>
    <message>
        <source>Solo hay diez páginas: los demás ficheros no se han abierto</source>
        <translation>Hamar orri baino ez dago: gainerako fitxategiak ez dira ireki</translation>
    </message>
    <message>
        <source>Documento PDF, todas las páginas (*.pdf)</source>
        <translation>PDF dokumentua, orri guztiak (*.pdf)</translation>
    </message>
</context>
</TS>
