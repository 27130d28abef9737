File Version : 1
User : Pat
Thesis,05:00,03:30
Gym,02:00,01:00
Read,, slowly,01:00,00:45
