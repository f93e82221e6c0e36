// Spanish wordings of the settings files, file sending and firmware installation.
#include "texts/Sections.h"

namespace texts {

static const Entry kTransferTexts[] = {
    // Settings files.
    {"", "Save Settings As", "Guardar los parámetros como"},
    {"", "File Name:", "Nombre del Archivo:"},
    {"", "List Files of Type:", "Mostrar Archivos Tipo:"},
    {"", "Settings Files (*.tkh)", "Archivos Tipo(*.tkh)"},
    {"", "Directories:", "Directorios:"},
    {"", "Drives:", "Unidad:"},
    {"", "NO FILE NAME", "NO HAY NOMBRE DE ARCHIVO"},
    {"", "File Name is too long: ", "El nombre del archivo es demasiado largo: "},
    {"", "Could not write ", "No se pudo escribir "},
    {"", "Put a floppy disk in the drive.", "Coloque un disco en la unidad."},
    {"", "Unanticipated error number", "Número de error no anticipado"},
    {"", " occurred: ", " ocurrio: "},
    {"", "Open Settings File", "Abrir Archivo de Parámetros"},
    {"", "Bad Settings File", "Archivo de Parámetros Incorrecto"},
    {"", "Unknown Parameter", "Parámetros desconocidos"},
    {"", "Ignored unknown parameter in file.", "Se ignoro parámetro desconocido en el archivo."},

    // File sending.
    {"", "Send File", "Enviar Archivo"},
    {"", "Currently Sending", "Enviando..."},
    {"SendCutFiles", "Done", "Finalizar"},
    {"", "Abort", "Cancelar"},
    {"", "Error transmitting file", "Error al transmitir archivo"},
    {"", "Move to Top", "Mover al Principio"},
    {"", "Move to Bottom", "Mover al Final"},
    {"", "Delete", "Borrar"},
    {"", "Add More Files", "Agregar Más Archivos"},

    // The older file windows.
    {"", "Send Plot File", "Enviar Archivo de Trazado"},
    {"", "Send Cut File", "Enviar Archivo de Corte"},
    {"", "Files:", "Archivos:"},
    {"", "Folder:", "Carpeta:"},
    {"", "Progress Bar", "Barra de Progreso"},
    {"", "Sending File", "Enviando Archivo"},
    {"", " does not exist", " no existe"},
    {"", "File Sent. ", "Archivo Enviado. "},
    {"", "Aborted. ", "Cancelado. "},

    // Firmware installation.
    {"", "Quorvane Firmware Version Installation", "Instalación de Archivo de Actualización Quorvane"},
    {"", "Percent Done", "Porcentaje Enviado"},
    {"", "Begin Version Install", "Iniciar Instalación de Actualización"},
    {"Flash", "Done", "Finalizado"},
    {"", "Click button to install new firmware",
     "Haga un clic en el botón para iniciar la instalación"},
    {"", "Opened ", "Abierto "},
    {"", "Select Binary Source File", "Seleccionar Archivo Binario"},
    {"", "Firmware Files (*.bin)", "Archivos de Actualización (*.bin)"},
    {"", "File isn't a binary (.bin) flash file. ",
     "Archivo no es un archivo binario (.bin) de actualización. "},
    {"", "Installation Complete ", "La Instalación ha Finalizado"},
    {"", "Installation NOT finished, restart machine. ",
     "La instalación NO ha finalizado, reinicialice el sistema"},
    {"", "Couldn't confirm flash file. ", "No se pudo confirmar archivo de actualización. "},
    {"", "Couldn't open the flash file.", "No se pudo abrir el archivo de actualización."},
    {"", "File too small to be an Quorvane flash file. ",
     "Archivo demasiado pequeño para ser un archivo Quorvane de actualización. "},
    {"", "File doesn't appear to be an Quorvane flash file. ",
     "Archivo no es un archivo de actualización Quorvane. "},
    {"", "Opened flash file", "Archivo de actualización abierto"},
    {"", "First Data Transfer Failed - Check Signcutter",
     "Fallo en la transmisión de datos - Revise el sistema"},
    {"", "Data Transfer Failed", "Transmisión de datos ha fallado"},
    {"", "Data Transfer Completed", "Transmisión de datos se ha completado"},
    {"", "Starting Data transfer to address", "Inicio de transferencia de datos"},
    {"", "Sending", "Enviando"},
    {"", " bytes to address", " bytes a direccion"},
    {"", "Code being updated, place signcutter back on line when red light on.",
     "El código se esta actualizando. Coloque el sistema de nuevo en línea cuando se encienda la "
     "luz roja."},
    {"", "Data Received             ", "Información recibida             "},
    {"", "FLASH UPDATE ERROR", "ERROR EN LA ACTUALIZACION DEL SISTEMA"},
    {"", "Waiting for Response", "Esperando por señal del sistema"},
};

std::span<const Entry> TransferTexts() { return kTransferTexts; }

}  // namespace texts
