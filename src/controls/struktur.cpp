// TStruktur
