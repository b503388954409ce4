namespace kalder::textes {}
