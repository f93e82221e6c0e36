// Spanish wordings of the pen-plotter window.
#include "texts/Sections.h"

namespace texts {

namespace {

const Entry kPenPlotter[] = {
    // Captions by model, frames and controls.
    {"", "Plotter", "Ploter"},
    {"", "Plotter 870 Kr Taskhelm", "Ploter 870 Kr Taskhelm"},
    {"", "Plotter 870 KrV Taskhelm", "Ploter 870 KrV Taskhelm"},
    {"", "Plotter 36 Kr Taskhelm", "Ploter 36 Kr Taskhelm"},
    {"", "Plotter 36 KrV Taskhelm", "Ploter 36 KrV Taskhelm"},
    {"", "Keypad Speed Setting", "Velocidad del Teclado"},
    {"", "Speed", "Velocidad"},
    {"", "Sensor Options", "Opciones del Sensor"},
    {"", "Frame Alignment", "Alineamiento de Ventanas"},
    {"", "Sensor Enable", "Activar Sensor"},
    {"", "Check Every Frame", "Verificar cada ventana"},
    {"", "Every 4th Frame", "Cada 4a ventana"},
    {"", "Disable Sensor", "Desactivar Sensor"},
    {"", "Frame Gap", "Separación"},
    {"", "(ips)", "(pulg/s)"},
    {"", "(cm/sec)", "(cm/seg)"},

    // Hints.
    {"", "Set plotter options in inches and mils.",
     "Establecer las opciones del ploter en pulgadas y milésimas."},
    {"", "Set plotter options in centimeters and millimeters.",
     "Establecer las opciones del ploter en centímetros y milímetros."},
    {"", "Plotter will use these settings until it is turned off.",
     "El ploter usará estos parámetros hasta que se apague."},
    {"", "Plotter will use these settings until they are changed.",
     "El ploter usará estos parámetros hasta que se cambien."},
    {"", "Turn on the sensor.", "Activar el sensor."},
    {"", "How quickly the pen will reach full speed when starting a line.",
     "El tiempo que le tomara al bolígrafo alcanzar velocidad máxima cuando comienza el inicio de "
     "trazo."},
    {"", "Delay after lifting the pen.", "Demora después de subir el bolígrafo."},
    {"", "Delay after lowering the pen.", "Demora después de bajar el bolígrafo."},
    {"", "Maximum width of a plot in the X axis.", "Ancho maximo de trazo en el eje X."},
    {"", "Maximum height of a plot in the Y axis.", "Ancho máximo de trazo en el eje Y."},
    {"", "Maximum speed to move the pen or media.",
     "Velocidad máxima a la que se moverá el bolígrafo material."},
    {"", "Gap between frames.", "Separación entre ventanas."},

    // Boxes.
    {"", "Update Plotter", "Actualizar ploter"},
    {"", "Latest changes not sent to the Plotter.",
     "Últimos cambiamos no han sido actualizados en el ploter."},
    {"", "Do you want to update Plotter?", "Desea actualizar los paramtros del ploter?"},
    {"", "Exit without updating Plotter?",
     "Desea salir del programa sin actualizar los parametros?"},
    {"", "Temporarily change Plotter settings?",
     "Desea cambiar los parámetros del ploter temporalmente?"},
    {"", "Permanently change Plotter settings?",
     "Desea cambiar los parámetros del ploter permanentemente?"},
    {"", "Plotter Error", "Error en el Ploter"},
    {"P870Set", "Caution", "Aviso"},
    {"", "Check that Frame Gap is correct.",
     "Verifique que la medida de separación indicado es correcta."},
    {"", "Factory Defaults displayed. To send these settings click the Temporary or Permanent "
         "button.  To view current settings click on Display and Plotter Settings. ",
     "Parámetros preestablecidos mostrados. Para enviar estos parámetros seleccione la opcion "
     "Temporalmente o Permanentemente.  Para ver los parámetros actuales seleccione Mostrar y "
     "Parámetros del Ploter. "},

    // The plotter port test.
    {"", "The Plotter Port Test", "Verificación del Puerto del Ploter"},
    {"", "1. Connect the Diagnostic Module to the Plotter port.",
     "1. Conecte el Modulo de Diagnostico al puerto del ploter."},
    {"", "2. Turn the Plotter on while holding down the ",
     "2. Encienda el ploter mientras presiona las teclas "},
    {"", "Sensor", "Sensor"},
    {"", "Test", "Test"},
    {"", " key until it beeps and light flashes three times.",
     " hasta que se escuche un pitido y la luz destelle tres veces."},
    {"", "4. Turn off the Plotter.", "4. Apague el ploter."},

    // The sensor items of the Test menu.
    {"", "Draw Sensor Marks", "Dibujar marcas del sensor"},
    {"", "Read Sensor Marks", "Leer marcas del sensor"},
    {"", "Display Sensor Data", "Mostrar datos del sensor"},
};

}  // namespace

std::span<const Entry> PenPlotterTexts() { return kPenPlotter; }

}  // namespace texts
