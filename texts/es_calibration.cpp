// Spanish wordings of the calibration and adjustment windows: axis, carriage and sensor
// calibration, pen-down adjustment, cornering and filtering, and the Calibrate item's questions.
#include "texts/Sections.h"

namespace texts {

static const Entry kCalibrationTexts[] = {
    // Calibrate item of the settings windows.
    {"", "Tractor Calibration", "Calibración con tractor"},
    {"", "X-axis calibration is not allowed with tractor",
     "La calibración del eje X no se permite con alimentación"},
    {"", "feed.  Do you want to calibrate only the Y-axis?",
     "por tractor.  Desea calibrar solo el eje Y?"},

    // Axis calibration.
    {"", "Set Calibration", "Establecer Calibración"},
    {"", "Set Factory Calibration", "Establecer Calibración Original"},
    {"Calib", "X-Axis", "Eje X"},
    {"Calib", "Y-Axis", "Eje Y"},
    {"", "Reset Calibration", "Readjustar Calibración"},
    {"", "Set Factory", "Establecer Original"},
    {"", "Reset Factory", "Reajustar Parametros Originales"},
    {"", "Calibration Plot", "Archivo de Calibración"},
    {"Calib", "Done", "Finalizado"},
    {"", "Carriage Calibration", "Calibración de Corte"},
    {"", "The plotter reports carriage values that could not be restored after the plot. No "
         "calibration plot.",
     "El ploter reporta valores de corte que no se podrían restablecer después del trazo. No se "
     "realiza el trazo de calibración."},
    {"", "Calibration Setting", "Parámetros de Calibración"},
    {"", "Sensor Calibration", "E Calibración del Sensor"},
    {"", "Mode Switch", "Cambio de modo"},
    {"", "Measured ", "Medido"},
    {"", "Intended ", "Valor esperado"},
    {"", "Send calibration plot to plotter.", "Enviar trazo de calibración al ploter."},
    {"", "Reset calibration to factory default.",
     "Reestablecer calibración a valores predeterminados."},
    {"", "Set calibration with measured lengths.  ",
     "Establecer calibración con valores medidos.  "},
    {"", "Measured length of calibration plot along X axis.",
     "Mida el largo de calibración a lo largo en el eje X."},
    {"", "Measured length of calibration plot along Y axis.",
     "Mida el largo de calibración a lo largo del eje Y."},
    {"", " in. box will be plotted.", " in. cuadro será trazado."},
    {"", " cm. box will be plotted.", " cm. cuadro será trazado."},
    {"", "Do you want to start the plot?", "Desea iniciar el trazo?"},
    {"", "Start Calibration Plot", "Iniciar Trazo de Calibración"},
    {"", "Wait until plot is finished.", "Espere hasta que finalice el trazo"},
    {"", "Enter X-Axis and Y-Axis Measured Values",
     "Introduzca los valores medidos en el eje X & en el eje Y"},
    {"", "Enter X-Axis Measured Value", "Introduzca medida de X"},
    {"", "Enter Y-Axis Measured Value", "Introduzca medida de Y"},
    {"", "Press 'Reset Calibration' before 'Set Calibration'",
     "Presione 'Reinicializar Calibración' antes de Establecer Calibración'"},
    {"", "  if measurements made on uncalibrated plot. ",
     "  si las medidas son tomadas de un trazo no calibrado. "},
    {"", "                          Continue?", "                          Continuar?"},
    {"", "R/V Series doesn't have seperate factory calibration values.",
     "R/V Series no contiene valores separados de calibración originales."},

    // Carriage calibration.
    {"CarrCalib", "Done", "Finalizado"},
    {"", "Force (grams)", "Fuerza (gramos)"},
    {"", "Duration (msec)", "Duración (msec)"},
    {"", "Coast Force ", "Fuerza Constante "},
    {"", "Coast Time ", "Tiempo "},
    {"", "Plotter Not Present", "El ploter no esta conectado"},
    {"", "Setup Com Port and Check Plotter Present.", "Verificar el puerto serial y el ploter."},

    // Sensor calibration.
    {"", "Sensor Ofsets", "E Compensación del Sensor"},
    {"", "Calibrate Sensor", "E Compensación del Sensor"},
    {"", "X Forward", "E X Avance"},
    {"", "X Reverse", "E X Retroceso"},
    {"", "Y Forward", "E Y Avance"},
    {"", "Y Reverse", "E Y Retroceso"},
    {"SensorCal", "Done", "E Finalizar"},
    {"", "Fine Adjustment", "Alineación"},
    {"SensorCal", "Send", "Enviar"},
    {"", "Enter the X and Y adjustment as numbers of mils.",
     "Introduzca el ajuste de X y de Y como números de mils."},

    // Pen-down adjustment.
    {"", "Pen Down Adjustments", "Ajustes de bajada de pluma"},
    {"", "Pulse Force", "Fuerza de pulso"},
    {"", "Pulse Delay (ms)", "Retardo de pulso (ms)"},
    {"", "Coast Force", "Fuerza de inercia"},
    {"", "Coast Delay (ms)", "Retardo de inercia (ms)"},
    {"", "Landing Force", "Fuerza de apoyo"},
    {"", "Landing Delay (ms)", "Retardo de apoyo (ms)"},
    {"", "Initial Force", "Fuerza inicial"},
    {"", "Initial Delay (ms)", "Retardo inicial (ms)"},
    {"", "Pulse Force (grams)", "Fuerza de pulso (gramos)"},
    {"", "Pen DAC", "DAC de pluma"},
    {"", "Test!", "Probar!"},
    {"", "Cycle", "Ciclo"},
    {"PenAdj", "Set", "Establecer"},
    {"", "Not a number the device can take, not sent: ",
     "No es un número que el equipo pueda tomar, no se envió: "},

    // Cornering.
    {"", "Cornering", "Ángulos"},
    {"", "Corner Control", "Control de Ángulos"},
    {"CornerForm", "Default", "Preestablecidos"},
    {"", "Banner Fill", "Relleno"},
    {"CornerForm", "Select the setting.", "Seleccione el parámetro."},
    {"", "Smoother and faster for most plots. ", "Suave y rápido para la mayoría de trazos. "},
    {"", "Faster for plots with long lines and curves. ",
     "Rápido para trazos con largas líneas y curvas. "},
    {"", "Cornering will be changed permanently when plotter is updated.",
     "El tipo de ángulo será cambiado permanentemente cuando se actualice el ploter"},

    // Filtering.
    {"", "Filtering", "Filtro"},
    {"FilterForm", "Select the setting.", "Seleccione el parámetro."},
    {"", "Default.  Especially useful with fonts.",
     "Predeterminado.  Especializado en fuentes para la familis."},
    {"", "Preserves tiny vectors. ", "Preserva pequeños vectores. "},
    {"", "Removes tiny imperfections.", "Remueve pequeñas imperfecciones."},
    {"", "Filtering Setting temporarily changed.",
     "Filtro de velocidad en esquinas ha sido establecido temporalmente."},
};

std::span<const Entry> CalibrationTexts() { return kCalibrationTexts; }

}  // namespace texts
