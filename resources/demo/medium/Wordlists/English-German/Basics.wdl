Lexovant word list
English	Deutsch
house	Haus
tree	Baum
water	Wasser
bread	Brot
book	Buch
friend	Freund
to read	lesen
to write	schreiben
today	heute
tomorrow	morgen
