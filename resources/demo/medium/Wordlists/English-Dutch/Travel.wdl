Lexovant word list
English	Nederlands
train	trein
station	station
ticket	kaartje
luggage	bagage
map	plattegrond
left	links
right	rechts
straight on	rechtdoor
