Lexovant word list
English	Nederlands
house	huis
tree	boom
water	water
bread	brood
book	boek
friend	vriend
to read	lezen
to write	schrijven
today	vandaag
tomorrow	morgen
