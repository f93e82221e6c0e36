// Spanish wordings of the setup texts: Setup, the port test, the HP-GL origin and cutter-mode
// windows, About and Splash. The device's panel keys (Start/Stop, Repeat, Roll, Set Gap, Sensor
// Test, Test Cut) keep the labels printed on the device.
#include "texts/SerialSteps.h"
#include "texts/Sections.h"

namespace texts {

namespace steps = taskhelm::serial_steps;

static const Entry kSetupTexts[] = {
    // Setup window.
    {"", "Taskhelm Setup", "Configuración de Taskhelm"},
    {"", "PlotterList", "Lista de ploters"},
    {"", "Plotter Present", "Ploter presente"},
    {"", "User", "Usuario"},
    {"", "Cancel", "Cancelar"},
    {"", "Select the Com port connected to your plotter or signcutter.",
     "Seleccione el puerto Com conectado a su ploter o cortador de vinilo."},
    {"", "Select the parallel port connected to your signcutter.",
     "Seleccione el puerto paralelo conectado a su cortador de vinilo."},
    {"", "Select your plotter from the list.", "Seleccione su ploter de la lista."},
    {"", "Turn off to start Taskhelm without communication.",
     "Desactívelo para iniciar Taskhelm sin comunicación."},
    {"", "Select the setting.", "Seleccione el ajuste."},
    {"", "Exit Taskhelm", "Salir de Taskhelm"},
    {"", "WARNING", "ADVERTENCIA"},
    {"", "The Plotter you have selected is not the same as that connected to your computer.",
     "El ploter que ha seleccionado no es el mismo que está conectado a su computadora."},

    // Port and communication test.
    {"", "Computer Port Test", "Prueba del puerto de la computadora"},
    {"", "Communication Test", "Prueba de comunicación"},
    {"", "Serial Test", "Prueba serial"},
    {"", "Disconnect the Plotter and connect the Diagnostic Module",
     "Desconecte el ploter y conecte el módulo de diagnóstico"},
    {"", "Disconnect the cutter and connect the serial Diagnostic Module",
     "Desconecte el cortador y conecte el módulo de diagnóstico serial"},
    {"", "to the computer serial port.", "al puerto serial de la computadora."},
    {"", "Turn the Plotter on while holding down the ",
     "Encienda el ploter mientras mantiene presionada la tecla "},
    {"", "Set Gap", "Set Gap"},
    {"", "Sensor Test", "Sensor Test"},
    {"", "key until it beeps and light flashes 3 times.",
     "hasta que emita un pitido y la luz parpadee 3 veces."},
    {"", "Turn cutter on while holding down the Test Cut key",
     "Encienda el cortador mientras mantiene presionada la tecla Test Cut"},
    {"", "until it beeps and light flashes 3 times.",
     "hasta que emita un pitido y la luz parpadee 3 veces."},
    {"", "Character Transmitted", "Carácter transmitido"},
    {"", "Character Received", "Carácter recibido"},
    {"", "CTS:", "CTS:"},
    {"", "Exit", "Salir"},
    {"", "CTS handshake line and ", "La línea de control CTS y la luz verde del "},
    {"", " Green light must be ON.", " deben estar encendidas."},
    {"", "Error Receiving Character", "Error al recibir el carácter"},
    {"", "Error receiving character.", "Error al recibir el carácter."},
    {"", "Exit Serial Test", "Salir de la prueba serial"},
    {"", "Turn off ", "Apague el "},
    {"", steps::kComputerPort,
     "1. Verifique que el puerto seleccionado sea el correcto.\r\n"
     "\r\n"
     "2. Verifique que la línea de control CTS esté en ON.\r\n"
     "\r\n"
     "3. Presione cualquier tecla del teclado de la computadora.\r\n"
     "    Verifique que el carácter transmitido sea igual al carácter recibido."},
    {"", steps::kCutter,
     "1. Verifique que el puerto seleccionado sea el correcto.\r\n"
     "\r\n"
     "2. Presione la tecla Start/Stop del cortador.  El cortador emitirá un pitido\r\n"
     "     y cambiará la luz roja.  Si prueba el puerto serial, verifique que la\r\n"
     "     línea CTS cambie entre ON y OFF.  Deje CTS en ON, con la luz roja apagada.\r\n"
     "\r\n"
     "3. Presione la tecla Repeat del cortador; la luz verde se encenderá\r\n"
     "     para indicar el modo eco.  Presione cualquier tecla del teclado de\r\n"
     "     la computadora.  Verifique que el carácter transmitido sea igual al\r\n"
     "     carácter recibido.  El cortador emitirá un pitido."},
    {"", steps::kPenPlotter,
     "1. Verifique que el puerto seleccionado sea el correcto.\r\n"
     "\r\n"
     "2. Presione la tecla Start/Stop del ploter.  Verifique que la línea CTS\r\n"
     "    cambie entre ON y OFF.  El ploter emitirá un pitido y cambiará la luz roja.\r\n"
     "     Deje CTS en ON, con la luz roja apagada.\r\n"
     "\r\n"
     "3. Presione la tecla Roll del ploter; la luz verde se encenderá\r\n"
     "     para indicar el modo eco.  Presione cualquier tecla del teclado de\r\n"
     "     la computadora.  Verifique que el carácter transmitido sea igual al\r\n"
     "    carácter recibido.  El ploter emitirá un pitido."},
    {"", steps::kRollFeed,
     "1. Verifique que el puerto seleccionado sea el correcto.\r\n"
     "\r\n"
     "2. Presione la tecla Start/Stop del Marvesk.  Verifique que la línea CTS\r\n"
     "    cambie entre ON y OFF.  El Marvesk emitirá un pitido y cambiará la luz roja.\r\n"
     "     Deje CTS en ON, con la luz roja apagada.\r\n"
     "\r\n"
     "3. Presione la tecla Repeat del Marvesk; la luz verde se encenderá\r\n"
     "     para indicar el modo eco.  Presione cualquier tecla del teclado de\r\n"
     "     la computadora.  Verifique que el carácter transmitido sea igual al\r\n"
     "    carácter recibido.  El Marvesk emitirá un pitido."},

    // HP-GL origin window.
    {"", "HPGL Setting", "Ajuste HPGL"},
    {"", "Origin Location", "Ubicación del origen"},
    {"", "Corner", "Esquina"},
    {"", "Center", "Centro"},
    {"", "Default. Based on HPGL 7475.", "Por omisión. Basado en HPGL 7475."},
    {"", "Based on HPGL 7596.", "Basado en HPGL 7596."},
    {"", "Close this window.", "Cerrar esta ventana."},
    {"", "Caution", "Precaución"},
    {"", "Are you sure you want HPGL 7596, with the origin at the center?  ",
     "¿Está seguro de que desea HPGL 7596, con el origen en el centro?  "},
    {"", "                   If Yes, ensure that the Panel Size is correct.  ",
     "                   Si es así, verifique que el tamaño del panel sea correcto.  "},
    {"", "HPGL Setting will be changed when plotter is updated.",
     "El ajuste HPGL cambiará cuando se actualice el ploter."},

    // Cutter-mode window.
    {"", "Cutter Mode Selection", "Selección del modo del cortador"},
    {"", "Sign cutting mode", "Modo de corte de rótulos"},
    {"", "Marvesk mode", "Modo Marvesk"},
    {"", "Places Cutter in standard signcutting mode.",
     "Pone el cortador en el modo estándar de corte de rótulos."},
    {"", "Places cutter in special Marvesk mode.", "Pone el cortador en el modo especial Marvesk."},
    {"", "OK sends the command to change the cutter's mode, and closes the Taskhelm.",
     "Aceptar envía el comando para cambiar el modo del cortador y cierra el Taskhelm."},
    {"", "Unknown Parameter", "Parámetro desconocido"},
    {"", "Unexpected Response!", "¡Respuesta inesperada!"},
    {"", "Quorvane command NOT Sent!", "¡Comando Quorvane NO enviado!"},
    {"", "Quorvane command sent.", "Comando Quorvane enviado."},
    {"", "Taskhelm will now close.", "Taskhelm se cerrará ahora."},
    {"modeForm", "Done", "Finalizado"},

    // About and Splash.
    {"", "About Taskhelm", "Acerca de Taskhelm"},
    {"", "About Plotter 36 K Taskhelm", "Acerca de Plotter 36 K Taskhelm"},
    {"", "About Kelvaro R/V - Quorvane Taskhelm", "Acerca de Kelvaro R/V - Quorvane Taskhelm"},
    {"", "About Plotter 870 Kr Taskhelm", "Acerca de Plotter 870 Kr Taskhelm"},
    {"", "About Plotter 36 Kr Taskhelm", "Acerca de Plotter 36 Kr Taskhelm"},
    {"", "About MarveskK Plotter/Cutter Taskhelm", "Acerca de MarveskK Plotter/Cutter Taskhelm"},
    {"", "About Quorvane 520 Taskhelm", "Acerca de Quorvane 520 Taskhelm"},
    {"", "About Plotter 870 KrV Taskhelm", "Acerca de Plotter 870 KrV Taskhelm"},
    {"", "About Plotter 36 KrV Taskhelm", "Acerca de Plotter 36 KrV Taskhelm"},
    {"", "About Quorvane 555LJ Taskhelm", "Acerca de Quorvane 555LJ Taskhelm"},
    {"", "For Windows XP, 2000, NT, 9x", "Para Windows XP, 2000, NT, 9x"},
    {"", "Control program for Quorvane cutters and plotters.",
     "Programa de control para cortadores y ploters Quorvane."},
    {"", "Linux edition.", "Edición para Linux."},
    {"", "Checking Plotter and ROM Version.", "Verificando el ploter y la versión de ROM."},
    {"", "Please Stand By", "Por favor espere"},
};

std::span<const Entry> SetupTexts() { return kSetupTexts; }

}  // namespace texts
