#pragma once

#include <QString>

// The folder of the program's executable, where it keeps its own files.
QString PastaPrograma();
// Points the program's folder elsewhere; tests keep their files in a temporary folder.
void DefinePastaPrograma(const QString& pasta);

// Joins a file name to a folder with exactly one separator; none is added when the folder
// already ends with one (a drive's root).
QString JuntaCaminho(const QString& pasta, const QString& nome);

// Names of the files the program keeps for an exercise (the year as typed, trimmed here).
QString NomeArquivoExercicio(const QString& exercicio); // "Pravex2005.txt"
// The year a data file's name carries: "2005" for "Pravex2005.txt"; empty for any other name.
QString AnoDoArquivoExercicio(const QString& nome);
QString NomeArquivoEnvio(const QString& exercicio);  // "pravexenvio2005.txt"
QString NomeArquivoBackup(const QString& exercicio); // "PravexBkp2005.txt"
inline constexpr auto NomeArquivoAjuda = "Pravex.chm";
